// The start with a stored language (OV_STORED_LANGUAGE, one program per language): its texts
// from the first frame and its menu entry disabled; a language without a translation starts
// in English with the English entry disabled.
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "core/OvLanguageModel.h"

#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_languagestart";
static char* s_argv[] = {s_arg0, nullptr};

class tst_LanguageStart : public TestBase {
    Q_OBJECT

    Ov4kApp* m_app = nullptr;
    QStringList m_firstFrame;

private slots:
    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    // The log's handler comes first, so the test base's handler sees every message on top of it.
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        qputenv("QT_QUICK_BACKEND", "software");
        Q_INIT_RESOURCE(translations);
        Q_INIT_RESOURCE(qml);
        Q_INIT_RESOURCE(resources);
        // Where the program keeps its settings is the brand's choice.
        Configuration* config = Configuration::instance();
        config->loadDefaultConfig();
        QSettings(config->orgName(), config->appName())
            .setValue(QStringLiteral("defaultLanguage"), QStringLiteral(OV_STORED_LANGUAGE));
        m_app = new Ov4kApp(s_argc, s_argv);
        useDesktopScreen();
        TestBase::initTestCase();
        QTimer::singleShot(0, m_app, [this] {
            connect(m_app->mainWindow(), &QQuickWindow::frameSwapped, m_app, [this] {
                if (!m_firstFrame.isEmpty())
                    return;
                for (const char* name : {"optionsMenu", "languageMenu", "infoMenu"})
                    m_firstFrame << m_app->mainWindow()->findChild<QObject*>(name)->property("title").toString();
                QMetaObject::invokeMethod(m_app, &QCoreApplication::quit, Qt::QueuedConnection);
            });
        });
        QCOMPARE(m_app->run(), 0);
    }

    void start()
    {
        const bool italian = QLatin1String(OV_STORED_LANGUAGE) == QLatin1String("it");
        const QStringList titles = italian ? QStringList{"Opzioni", "Lingua", "Informazioni"}
                                           : QStringList{"Options", "Language", "Info"};
        const QString inUse = italian ? QStringLiteral("it") : QStringLiteral("en");
        const int activeRow = italian ? 4 : 0;
        QCOMPARE(m_firstFrame, titles);
        QCOMPARE(m_app->languageInUse(), inUse);
        OvLanguageModel* model = m_app->languageModel();
        QCOMPARE(model->selectedRow(), activeRow);
        for (int row = 0; row < model->rowCount(); ++row)
            QCOMPARE(model->data(model->index(row, 0), OvLanguageModel::lgActive).toBool(), row == activeRow);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        // Qt's own buttons start in the language too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), italian ? "Salva" : "Save");
    }
};

QTEST_APPLESS_MAIN(tst_LanguageStart)
#include "tst_languagestart.moc"
