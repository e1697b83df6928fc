// The theme model: the stored theme, a click on a row, then both themes' roles and values
// written out from the theme tables; and the application font family. The bundled fonts are
// replaced by a test resource that puts known families under three of the twelve names.
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/OvThemeMdl.h"

#include <QtGui>
#include <QtQml>
#include <QtTest>

static const IsolatedHome s_home;
static const QString kThemeKey = QStringLiteral("mainWnd/themeIndex");

class tst_ThemeModel : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QVERIFY(s_home.isValid());
        Q_CLEANUP_RESOURCE(resources); // registered by linking; the test fonts stand in
        Q_INIT_RESOURCE(thememodel_fonts);
    }

    // Light only at index 1, every other index Dark. A click repaints its row (both columns),
    // then the previous one when that is a row; a click outside the rows or on the active one
    // changes nothing.
    void clicked_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("click");
        QTest::addColumn<QStringList>("repainted");
        QTest::addColumn<int>("activeRow");
        QTest::newRow("not stored, -1") << QVariant() << -1 << QStringList() << 0;
        QTest::newRow("not stored, 2") << QVariant() << 2 << QStringList() << 0;
        QTest::newRow("not stored, Light") << QVariant() << 1 << QStringList{"1,0-1,1", "0,0-0,1"} << 1;
        QTest::newRow("Light, Light") << QVariant(1) << 1 << QStringList() << 1;
        QTest::newRow("Light, Dark") << QVariant(1) << 0 << QStringList{"0,0-0,1", "1,0-1,1"} << 0;
        QTest::newRow("2, 2") << QVariant(2) << 2 << QStringList() << -1;
        QTest::newRow("5, -1") << QVariant(5) << -1 << QStringList() << -1;
        QTest::newRow("5, Light") << QVariant(5) << 1 << QStringList{"1,0-1,1"} << 1;
    }
    void clicked()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, click);
        QFETCH(QStringList, repainted);
        QFETCH(int, activeRow);
        QSettings().remove(kThemeKey);
        if (stored.isValid())
            QSettings().setValue(kThemeKey, stored);
        OvThemeMdl model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy theme(&model, &OvThemeMdl::themeChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QVERIFY(QMetaObject::invokeMethod(&model, "clicked", Q_ARG(int, click)));
        QStringList rows;
        for (const QList<QVariant>& args : qAsConst(changed)) {
            const QModelIndex first = args.at(0).toModelIndex(), last = args.at(1).toModelIndex();
            rows
                << QStringLiteral("%1,%2-%3,%4").arg(first.row()).arg(first.column()).arg(last.row()).arg(last.column());
            QCOMPARE(args.at(2).value<QVector<int>>(), QVector<int>()); // every role
        }
        QCOMPARE(rows, repainted);
        QCOMPARE(QList<int>({theme.count(), reset.count()}), QList<int>({repainted.isEmpty() ? 0 : 1, 0}));
        QCOMPARE(QSettings().value(kThemeKey), repainted.isEmpty() ? stored : QVariant(click));

        const QModelIndex child = model.index(0, 0);
        QCOMPARE(QList<int>({model.rowCount(), model.columnCount(), model.rowCount(child), model.columnCount(child)}),
                 QList<int>({2, 2, 0, 0}));
        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(QByteArrayList({names[256], names[257], names[258]}),
                 QByteArrayList({"themeIconName", "themeActive", "themeDescription"}));
        for (int cell = 0; cell < 4; ++cell) {
            const QModelIndex index = model.index(cell / 2, cell % 2);
            const bool active = index.row() == activeRow;
            QCOMPARE(model.data(index, 256).toString(), active ? "../Resources/tickOn.png" : "../Resources/null.png");
            QCOMPARE(model.data(index, 257), QVariant(active));
            // A translated name: without a translator its message id.
            QCOMPARE(model.data(index, 258).toString(), index.row() ? "THEME_LIGHT" : "THEME_DARK");
            QCOMPARE(int(model.flags(index)), 163);
            for (int role : {int(Qt::DisplayRole), int(Qt::EditRole), 255, 259})
                QCOMPARE(model.data(index, role), QVariant());
        }
        QCOMPARE(int(model.flags(QModelIndex())), 0);
        QCOMPARE(model.data(QModelIndex(), 256), QVariant());

        // Each slot and property as QML reads it: the value in Dark, then in Light.
        const QStringList values{"getToolBarName() Toolbar.png lightToolbar.png",
                                 "toolTipBgImage() Fondo_2.png lightFondo_2.png",
                                 "toolTipTextColor() white black",
                                 "menuBgImage() menuBar.png lightMenuBar.png",
                                 "menuTextColor(true) white black",
                                 "menuTextColor(false) lightgrey black",
                                 "waBgImage() WorkigArea_BLU.png lightWorkinAreaBg.png",
                                 "waBgFillMode() 3 3", // tiled
                                 "editTextColor(true) black white",
                                 "editTextColor(false) white black",
                                 "infoBarBgImage() Infobar.png lightInfobar.png",
                                 "rowBgColor(true) #e8e7e7 #1a2129",
                                 "rowBgColor(false) #00000000 #00000000",
                                 "placeholderTextColor(true) #e8e7e7 #353333",
                                 "placeholderTextColor(false) #e8e7e7 #353333",
                                 "boxBorderColor() white black",
                                 "boxFillColor() #1a2129 #e4dbdb",
                                 "tabBgImage() tabPage.png lightTabPage.png",
                                 "getEmptyString()  ",
                                 "emptyString  "};
        QQmlEngine qml;
        QQmlEngine::setObjectOwnership(&model, QQmlEngine::CppOwnership);
        qml.globalObject().setProperty("model", qml.newQObject(&model));
        for (const QString& value : values) {
            const QStringList parts = value.split(' ');
            const QString result = qml.evaluate("model." + parts[0]).toString();
            QCOMPARE(parts[0] + ' ' + result, parts[0] + ' ' + parts[activeRow == 1 ? 2 : 1]);
        }
    }

    // The face registered on a worker names the family as one registered in place; a model
    // after it registers its own, and a worker without the face leaves Verdana.
    void fontFromWorker()
    {
        OvThemeMdl::startRegisteringFont();
        QCOMPARE(OvThemeMdl(nullptr).getFont(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(OvThemeMdl(nullptr).getFont(), QStringLiteral("DejaVu Sans"));
        OvThemeMdl::finishRegisteringFont();
        Q_CLEANUP_RESOURCE(thememodel_fonts);
        OvThemeMdl::startRegisteringFont();
        OvThemeMdl::finishRegisteringFont(); // the application going first
        QCOMPARE(OvThemeMdl(nullptr).getFont(), QStringLiteral("Verdana"));
        OvThemeMdl::startRegisteringFont();
        QCOMPARE(OvThemeMdl(nullptr).getFont(), QStringLiteral("Verdana"));
        Q_INIT_RESOURCE(thememodel_fonts);
    }
    // The Medium face from the program's own resources, stored uncompressed and handed to the
    // database where it lies, and from the test's compressed one, which the database copies:
    // either way the face is registered and names its family.
    void mediumFace_data()
    {
        QTest::addColumn<bool>("programResources");
        QTest::newRow("uncompressed, in place") << true;
        QTest::newRow("compressed, copied") << false;
    }
    void mediumFace()
    {
        QFETCH(bool, programResources);
        if (programResources) {
            Q_CLEANUP_RESOURCE(thememodel_fonts);
            Q_INIT_RESOURCE(resources);
        }
        const QResource file{QStringLiteral(":/Resources/fonts/FernholdtSansWebMedium.ttf")};
        const bool inPlace = file.isValid() && file.compressionAlgorithm() == QResource::NoCompression;
        const QString family = OvThemeMdl(nullptr).getFont();
        if (programResources) {
            Q_CLEANUP_RESOURCE(resources);
            Q_INIT_RESOURCE(thememodel_fonts);
        }
        QCOMPARE(inPlace, programResources);
        QCOMPARE(family, QStringLiteral("DejaVu Sans"));
    }

    // Steps on one model. Only a row above 0 is reported as current; the Medium font names the
    // first family, and without it the family stays Verdana.
    void fonts()
    {
        Q_CLEANUP_RESOURCE(thememodel_fonts);
        QCOMPARE(OvThemeMdl(nullptr).getFont(), QStringLiteral("Verdana")); // without the Medium font
        Q_INIT_RESOURCE(thememodel_fonts);
        OvThemeMdl model(nullptr);
        const QStringList families = QFontDatabase().families();
        QCOMPARE(model.getFontFamilySize(), families.size());
        QCOMPARE(model.getFontFamily(0) + model.getFontFamily(families.size() - 1), families.first() + families.last());
        QCOMPARE(model.getFontFamily(-1) + model.getFontFamily(families.size()), QStringLiteral("VerdanaVerdana"));
        QSignalSpy changed(&model, &OvThemeMdl::currentFontChanged);
        // (call, signals so far, current font, family): a row for setFontFamily, a family for the
        // property, which setFont writes.
        const std::tuple<QVariant, int, QString, QString> steps[] = {
            {QVariant(), 0, "Verdana", "DejaVu Sans"},
            {0, 1, "Verdana", families.at(0)},
            {0, 1, "Verdana", families.at(0)},
            {2, 2, families.at(2), families.at(2)},
            {-1, 2, families.at(2), families.at(2)},
            {families.size(), 2, families.at(2), families.at(2)},
            {"Not Installed", 3, families.at(2), "Not Installed"},
            {"Not Installed", 4, families.at(2), "Not Installed"},
        };
        for (const auto& [call, emitted, current, family] : steps) {
            if (call.type() == QVariant::Int)
                model.setFontFamily(call.toInt());
            else if (call.isValid())
                QVERIFY(model.setProperty("fontFamily", call));
            // Signals so far, current font, family, stored family, menu names of an unknown and of the family.
            QCOMPARE(QStringList({QString::number(changed.count()), model.getCurrentFont(), model.getFont(),
                                  QSettings().value("applicationFontFamily").toString(),
                                  model.getFontMenuFontName("No Such Family"), model.getFontMenuFontName(family)}),
                     QStringList({QString::number(emitted), current, family, emitted ? family : "", family, family}));
        }
    }
};

QTEST_MAIN(tst_ThemeModel)
#include "tst_thememodel.moc"
