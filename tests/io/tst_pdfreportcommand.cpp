// The PDF command of the application object, every dialog and the viewer answered by script.
#include "../app/AppScene.h"
#include "../app/IsolatedHome.h"
#include "../plant/ScriptedDialogs.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"

#include <QtQuick>
#include <QtTest>

#include <cerrno>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_pdfreportcommand";
static char* s_argv[] = {s_arg0, nullptr};

class tst_PdfReportCommand : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(m_dir.isValid() && QDir(m_dir.path()).mkdir("a.tov.d"));
        QVERIFY(runToFirstFrame(m_app));
        // The command does nothing before a plant exists.
        QVERIFY(QMetaObject::invokeMethod(m_app->mainWindow(), "pdfExportBtnClicked"));
        QVERIFY(m_dialogs.fileRequests().isEmpty());
        m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    void command_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("box");
        const QString none;
        QTest::newRow("cancelled") << none << none << none;
        // The viewer fails only here: the box says where the report is (%1).
        QTest::newRow("plant extension") << "x.tov" << QString("x.pdf") << "The PDF report has been written\n%1";
        QTest::newRow("folder with the extension") << "a.tov.d/x.pdf" << QString("a.tov.d/x.pdf") << none;
        QTest::newRow("hash in the name") << "r#1.tov" << QString("r#1.pdf") << none;
        QTest::newRow("missing folder") << "missing/x.pdf" << none
                                        << "Cannot write the file %1: " + qt_error_string(ENOENT);
    }
    void command()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, box);
        if (box.contains("%1"))
            box = box.arg(QDir::toNativeSeparators(m_dir.filePath(written.isEmpty() ? chosen : written)));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        m_dialogs.clear();
        m_dialogs.answerFile(chosen.isEmpty() ? chosen : m_dir.filePath(chosen));
        m_dialogs.setViewerOpens(QTest::currentDataTag() != QString("plant extension"));
        if (!box.isEmpty())
            m_dialogs.answer(PlantMessage::Ok);
        if (chosen.startsWith("missing"))
            expectWarning("PDF report: cannot write");
        const QList<QUrl> shown = m_dialogs.shownUrls();
        QVERIFY(QMetaObject::invokeMethod(m_app->mainWindow(), "pdfExportBtnClicked"));
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.fileRequests().first().filter, QString("PDF files (*.pdf)"));
        QCOMPARE(m_dialogs.asked().isEmpty() ? QString() : m_dialogs.asked().first().informativeText, box);
        QVERIFY(!QGuiApplication::overrideCursor());
        const QString path = m_dir.filePath(written);
        QCOMPARE(m_dialogs.shownUrls(), written.isEmpty() ? shown : shown + QList<QUrl>{QUrl::fromLocalFile(path)});
        if (written.isEmpty())
            QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        else
            QVERIFY(QFileInfo(path).size() > 1000);
    }
};

QTEST_APPLESS_MAIN(tst_PdfReportCommand)
#include "tst_pdfreportcommand.moc"
