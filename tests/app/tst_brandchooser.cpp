// The detector brand on the running application, offscreen, every question answered by script:
// the window's brand signal reaches the application's brand slot, which sets the detector brand
// of the plant (its byte in the panel data, the sounder limits, the VARN module lists) or leaves
// everything as it was; the chooser on the plant page shows and sends the brand; the brand
// survives the plant file and the panel image.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "plant/Plant.h"

#include <QThread>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_brandchooser";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

// Detector brands: 3 Zelmar Detect, the one a new KV panel starts with; 4 Apollo.
constexpr int kZelmar = 3;
constexpr int kApollo = 4;
// The detector brand byte of the general programming block, in the block and in the image: the
// first element's data start after the 8-byte header and the element's dataType, size and CRC.
constexpr int kBrandByte = 5247;
constexpr int kImageData = 8 + 1 + 4 + 2;

int panelBrand()
{
    return BlockLock<ZpData::IF_ZpxProg>(*g_zpConf, 0, 2, 2)->get_sensor_brand();
}

// The brand as everything that follows it shows it: the property, the panel data's byte, the
// sounder limits and whether VARN modules are offered.
QString brandState()
{
    const Configuration* c = Configuration::instance();
    return QStringLiteral("%1 %2 %3/%4 %5")
        .arg(c->current_brand())
        .arg(panelBrand())
        .arg(c->sirenMaxType())
        .arg(c->sirenMaxVolume())
        .arg(c->isLoopProtocolAllowed(true) ? "varn" : "no-varn");
}

} // namespace

class tst_BrandChooser : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    // choice 0 KV1300, 1 KV1600-4600.
    void newPlant(int choice)
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + choice));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    // The window's signal, as the chooser sends it.
    void choose(int brand) { QVERIFY(QMetaObject::invokeMethod(m_window, "changedBrandType", Q_ARG(int, brand))); }
    QList<QQuickItem*> buttons() const { return findAll(m_window->contentItem(), QStringLiteral("brandChoice")); }
    // The chooser's buttons, top down, as "label:checked".
    QString chooser() const
    {
        QStringList shown;
        for (QQuickItem* button : buttons())
            shown << button->property("text").toString() + (button->property("checked").toBool() ? ":on" : ":off");
        return shown.join(' ');
    }
    void click(QQuickItem* item)
    {
        QVERIFY(item);
        settleScene(m_app->engine());
        const QPoint at = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
        QTest::mouseMove(m_window, at);
        QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid() && m_dir.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window && !m_app->plant());
        m_window->resize(1000, 700);
        QCOMPARE(Configuration::instance()->allowedPlantTypes().size(), 2);
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    // A modified plant of each configuration, then the brands in turn; an offered brand other than
    // the current one asks to save (answered Discard) and starts the plant afresh, the current one
    // asks nothing and keeps the plant. Both KV panel types offer Apollo and Zelmar Detect;
    // Apollo sounders have 14 tones and 6 volumes, the others 32 and 3.
    void choose_data()
    {
        QTest::addColumn<int>("plantType");
        QTest::addColumn<QList<int>>("brands");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("kept");
        for (int type = 0; type < 2; ++type) {
            const char* name = type == 0 ? "KV1300" : "KV1600";
            QTest::addRow("%s, Apollo", name) << type << QList<int>{kApollo} << 1 << "4 4 14/6 varn" << false;
            QTest::addRow("%s, Zelmar Detect held", name)
                << type << QList<int>{kZelmar} << 0 << "3 3 32/3 no-varn" << true;
            QTest::addRow("%s, Apollo twice", name)
                << type << QList<int>{kApollo, kApollo} << 1 << "4 4 14/6 varn" << false;
            QTest::addRow("%s, Apollo, then Zelmar Detect", name)
                << type << QList<int>{kApollo, kZelmar} << 2 << "3 3 32/3 no-varn" << false;
            // Brands the panel does not offer would reach the panel image: refused, nothing asked.
            QTest::addRow("%s, Tavrel refused", name) << type << QList<int>{2} << 0 << "3 3 32/3 no-varn" << true;
            QTest::addRow("%s, 5 refused", name) << type << QList<int>{5} << 0 << "3 3 32/3 no-varn" << true;
            QTest::addRow("%s, 8 refused", name) << type << QList<int>{8} << 0 << "3 3 32/3 no-varn" << true;
            QTest::addRow("%s, -1 refused", name) << type << QList<int>{-1} << 0 << "3 3 32/3 no-varn" << true;
        }
    }
    void choose()
    {
        QFETCH(int, plantType);
        QFETCH(QList<int>, brands);
        QFETCH(int, questions);
        QFETCH(QString, state);
        QFETCH(bool, kept);
        newPlant(plantType);
        Configuration* c = Configuration::instance();
        QCOMPARE(c->configNumber(), 7 + plantType);
        QCOMPARE(c->brandChoices(), (QVariantList{kApollo, kZelmar}));
        QCOMPARE(brandState(), QStringLiteral("3 3 32/3 no-varn"));
        Plant* plant = m_app->plant();
        QVERIFY(plant->setDescription(QStringLiteral("North wing")));
        const uint modified = plant->getModificationStat();
        QVERIFY(modified > 1);
        m_dialogs.clear();
        for (int i = 0; i < questions; ++i)
            m_dialogs.answer(PlantMessage::Discard);
        QSignalSpy announced(m_app, &Ov4kApp::newPlant);
        for (int brand : brands)
            choose(brand);
        QCOMPARE(m_dialogs.asked().size(), questions);
        QCOMPARE(brandState(), state);
        QCOMPARE(c->configNumber(), 7 + plantType);
        QCOMPARE(m_app->plant(), plant);
        QCOMPARE(announced.count(), questions);
        if (kept) {
            QCOMPARE(plant->getDescription(), QStringLiteral("North wing"));
            QCOMPARE(plant->getModificationStat(), modified);
        } else {
            QCOMPARE(plant->getDescription(), QString());
            QCOMPARE(m_app->currentFilePath(), QStringLiteral("New plant"));
            QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE"));
        }
    }

    // Cancel at the save question: brand, plant and file stay; the chooser is told to show the
    // brand again.
    void cancel()
    {
        newPlant(0);
        Plant* plant = m_app->plant();
        QVERIFY(plant->setDescription(QStringLiteral("Mine")));
        const uint modified = plant->getModificationStat();
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Cancel);
        QSignalSpy announced(m_app, &Ov4kApp::newPlant);
        choose(kApollo);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.asked().first().buttons,
                 int(PlantMessage::Save | PlantMessage::Discard | PlantMessage::Cancel));
        QCOMPARE(announced.count(), 1);
        QCOMPARE(brandState(), QStringLiteral("3 3 32/3 no-varn"));
        QCOMPARE(m_app->plant(), plant);
        QCOMPARE(plant->getDescription(), QStringLiteral("Mine"));
        QCOMPARE(plant->getModificationStat(), modified);
    }

    // Save at the question: the plant is written under the brand it had, then read back from the
    // panel data under the new one, unnamed.
    void saveFirst()
    {
        newPlant(0);
        QVERIFY(m_app->plant()->setDescription(QStringLiteral("North wing")));
        const QString file = path(QStringLiteral("saved.tov"));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Save);
        m_dialogs.answerFile(file);
        choose(kApollo);
        QCOMPARE(m_dialogs.pending() + m_dialogs.pendingFiles(), 0);
        QCOMPARE(brandState(), QStringLiteral("4 4 14/6 varn"));
        QCOMPARE(m_app->plant()->getDescription(), QStringLiteral("North wing"));
        QCOMPARE(m_app->currentFilePath(), QStringLiteral("New plant"));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        QString opened = file;
        m_app->openFile(opened);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(brandState(), QStringLiteral("3 3 32/3 no-varn"));
        QCOMPARE(m_app->plant()->getDescription(), QStringLiteral("North wing"));
    }

    // The chosen brand comes back from the plant file and from the panel image, after a new plant
    // of the same type has gone back to the panel's first brand.
    void survives_data()
    {
        QTest::addColumn<int>("plantType");
        QTest::addColumn<bool>("image");
        QTest::newRow("KV1300 plant file") << 0 << false;
        QTest::newRow("KV1300 image") << 0 << true;
        QTest::newRow("KV1600 plant file") << 1 << false;
        QTest::newRow("KV1600 image") << 1 << true;
    }
    void survives()
    {
        QFETCH(int, plantType);
        QFETCH(bool, image);
        newPlant(plantType);
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        choose(kApollo);
        QCOMPARE(brandState(), QStringLiteral("4 4 14/6 varn"));
        const QString folder = path(QStringLiteral("%1%2").arg(plantType).arg(image ? "bin" : "tov"));
        QVERIFY(QDir().mkpath(folder));
        QString file = folder + (image ? "/CFG_IN.BIN" : "/P.tov");
        m_dialogs.clear();
        m_dialogs.answerFile(image ? folder : file);
        if (image) {
            if (!m_app->plant()->cpus().isAreaAssigned())
                m_dialogs.answer(PlantMessage::Yes);
            m_dialogs.answer(PlantMessage::No);
            m_app->onCompileBtnClicked();
            const QByteArray bytes = fileContents(file);
            QVERIFY(bytes.size() > kImageData + kBrandByte);
            QCOMPARE(int(bytes.at(8)), 2); // the general programming block comes first
            QCOMPARE(int(bytes.at(kImageData + kBrandByte)), kApollo);
        } else {
            m_app->onFileSaveAs();
            QVERIFY(QFile::exists(file));
        }
        QCOMPARE(m_dialogs.pending(), 0);
        newPlant(plantType);
        QCOMPARE(brandState(), QStringLiteral("3 3 32/3 no-varn"));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        m_app->openFile(file);
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(Configuration::instance()->configNumber(), 7 + plantType);
        QCOMPARE(brandState(), QStringLiteral("4 4 14/6 varn"));
    }

    // The chooser on the plant page: one button per brand the panel offers, the current one
    // checked; a click on another asks, and Cancel brings the current one back.
    void chooserOnThePage()
    {
        newPlant(0);
        m_app->onPlantInfoPageSelected();
        settleScene(m_app->engine());
        QCOMPARE(chooser(), QStringLiteral("Apollo:off Zelmar Detect:on"));
        QQuickItem* box = findAll(m_window->contentItem(), QStringLiteral("brandChooser")).value(0);
        QVERIFY(box);
        QCOMPARE(box->property("title").toString(), QStringLiteral("Detector brand"));
        QVERIFY(box->isEnabled());

        QVERIFY(m_app->plant()->setDescription(QStringLiteral("Mine")));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Cancel);
        click(buttons().value(0));
        QTRY_COMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(chooser(), QStringLiteral("Apollo:off Zelmar Detect:on"));
        QCOMPARE(Configuration::instance()->current_brand(), kZelmar);

        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Discard);
        click(buttons().value(0));
        QTRY_COMPARE(Configuration::instance()->current_brand(), kApollo);
        QCOMPARE(m_dialogs.asked().size(), 1);
        // The fresh plant shows no page, as after the new-plant command.
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE"));
        QCOMPARE(chooser(), QString());
        m_app->onPlantInfoPageSelected();
        settleScene(m_app->engine());
        QCOMPARE(chooser(), QStringLiteral("Apollo:on Zelmar Detect:off"));

        // The current brand again: nothing is asked.
        m_dialogs.clear();
        click(buttons().value(0));
        QCOMPARE(chooser(), QStringLiteral("Apollo:on Zelmar Detect:off"));
        QCOMPARE(m_dialogs.asked().size(), 0);

        // A new plant starts with the panel's own brand, and the chooser follows.
        newPlant(0);
        m_app->onPlantInfoPageSelected();
        settleScene(m_app->engine());
        QCOMPARE(chooser(), QStringLiteral("Apollo:off Zelmar Detect:on"));
    }
};

QTEST_APPLESS_MAIN(tst_BrandChooser)
#include "tst_brandchooser.moc"
