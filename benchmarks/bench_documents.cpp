// Open, compile and save of the test-plant generator's full-size plant, driven through the
// application's commands with every question answered by rule and the real application log
// installed; each as a multiple of the floor of bench_image (plain write and read of the same
// image), and the open beside an open whose log lines are dropped.
#include "OS/TraceLog.h"
#include "PlantBuilder.h"
#include "RatioReporter.h"
#include "app/Ov4kApp.h"
#include "plant/Plant.h"
#include "plant/PlantDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Save questions are discarded, the question whether to open the folder is refused, every
// other question is answered Yes; file dialogs return the path set last.
class RuleDialogs : public PlantDialogs {
public:
    QString file;

    PlantMessage::Button ask(const PlantMessage& message, bool*) override
    {
        if (message.buttons & PlantMessage::Discard)
            return PlantMessage::Discard;
        if (message.informativeText.endsWith(qtTrId("USR_MSG_ASK_FOR_OPEN_FOLDER") + QLatin1Char('?')))
            return PlantMessage::No;
        if (!message.choices.isEmpty())
            return PlantMessage::Button(PlantMessage::FirstChoice + message.choices.size() - 1);
        return (message.buttons & PlantMessage::Yes) ? PlantMessage::Yes : PlantMessage::Ok;
    }
    QString askFile(const PlantFileRequest&) override { return file; }
};

struct Setup {
    QTemporaryDir dir;
    RuleDialogs dialogs;
    Ov4kApp* app = nullptr;
    QByteArray image;
    QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
};
Setup* g_setup = nullptr;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

void openPlant()
{
    QString file = g_setup->path("P.tov");
    g_setup->app->openFile(file);
}

void BM_open(benchmark::State& state)
{
    for (auto _ : state)
        openPlant();
}

void BM_open_without_log(benchmark::State& state)
{
    const QtMessageHandler log = qInstallMessageHandler(&quiet);
    for (auto _ : state)
        openPlant();
    qInstallMessageHandler(log);
}

void BM_compile(benchmark::State& state)
{
    g_setup->dialogs.file = g_setup->path("out");
    for (auto _ : state)
        g_setup->app->onCompileBtnClicked();
}

void BM_save(benchmark::State& state)
{
    g_setup->dialogs.file = g_setup->path("S.tov");
    for (auto _ : state)
        g_setup->app->onFileSaveAs();
}

// The floor: plain write and read of the image's bytes.
void BM_floor(benchmark::State& state)
{
    const QByteArray name = QFile::encodeName(g_setup->path("floor.bin"));
    QByteArray back(g_setup->image.size(), '\0');
    for (auto _ : state) {
        FILE* f = std::fopen(name.constData(), "wb");
        const bool written = f
            && std::fwrite(g_setup->image.constData(), 1, size_t(g_setup->image.size()), f)
                == size_t(g_setup->image.size());
        if (f)
            std::fclose(f);
        f = std::fopen(name.constData(), "rb");
        const bool read = f && std::fread(back.data(), 1, size_t(back.size()), f) == size_t(back.size());
        if (f)
            std::fclose(f);
        if (!written || !read) {
            state.SkipWithError("stdio failed");
            break;
        }
        benchmark::DoNotOptimize(back.data());
    }
}

BENCHMARK(BM_open)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_open_without_log)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_compile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor)->Unit(benchmark::kMillisecond);

bool makeSetup(Setup& setup)
{
    if (!setup.dir.isValid() || !QDir().mkpath(setup.path("out")))
        return false;
    Ov4kApp* app = setup.app;
    app->onFileNewMenu(); // the last plant type: networked
    Plant* plant = app->plant();
    if (!plant || !plant->setPlantType(1, true))
        return false;
    // The generator fills the enabled CPUs: every one the panel takes, with all its boards.
    plantbuild::enableCpus(*plant, plant->getCpuMaxCount());
    app->setTestPlantSeed(4800);
    app->dbgTestMakeAll();
    setup.dialogs.file = setup.path("P.tov");
    app->onFileSaveAs();
    setup.dialogs.file = setup.path("out");
    app->onCompileBtnClicked();
    QFile image(setup.path("out/CFG_IN.BIN"));
    if (!QFile::exists(setup.path("P.tov")) || !image.open(QIODevice::ReadOnly))
        return false;
    setup.image = image.readAll();
    return !setup.image.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    // The library's console trace would bury the report; the application log stays.
    g_logger().set_console(false);
    // A private home, so the settings and the log of a real user stay untouched.
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/.config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/.local/share"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!initialize_benchmarks(argc, argv, 3))
        return 1;

    Q_INIT_RESOURCE(translations);
    Setup setup;
    PlantDialogs::install(&setup.dialogs);
    int appArgc = 1;
    char name[] = "bench_documents";
    char* appArgv[] = {name, nullptr};
    setup.app = new Ov4kApp(appArgc, appArgv);
    g_setup = &setup;
    int status = 1;
    if (makeSetup(setup)) {
        std::printf("generated plant: image %d bytes, plant file %lld bytes\n", setup.image.size(),
                    static_cast<long long>(QFileInfo(setup.path("P.tov")).size()));
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        reporter.print_ratio("BM_open", 10);
        reporter.print_ratio("BM_compile", 10);
        reporter.print_ratio("BM_save", 10);
        reporter.print_ratio("BM_open", 2, "BM_open_without_log");
        status = 0;
    } else {
        std::fprintf(stderr, "bench_documents: the generated plant could not be built\n");
    }
    delete setup.app;
    PlantDialogs::install(nullptr);
    return status;
}
