// The settings store and its reference, in a private HOME set before the application object
// exists, under an Italian system locale.
#include "../app/IsolatedHome.h"
#include "TestBase.h"
#include "core/Configuration.h"
#include "core/OvParametersReference.h"

#include <QtTest>

namespace {

// Set up before the application object exists.
const IsolatedHome s_isolated;
const QString s_home = s_isolated.path();
const bool s_italian = qputenv("LC_ALL", "it_IT.UTF-8") && qputenv("LANG", "it_IT.UTF-8");

// An invokable called by name with one argument or none; invalid when there is none.
QVariant call(QObject* object, const QString& name, const QVariant& argument = QVariant())
{
    const QString signature = name + '(' + argument.typeName() + ')';
    const int index = object->metaObject()->indexOfMethod(qPrintable(signature));
    if (index < 0)
        return QVariant();
    const QMetaMethod method = object->metaObject()->method(index);
    QVariant result(method.returnType(), nullptr);
    method.invoke(object, Qt::DirectConnection, QGenericReturnArgument(method.typeName(), result.data()),
                  QGenericArgument(argument.typeName(), argument.constData()));
    return result;
}

// A general-parameter setting: its key under "genParameters/", its setters, the default, the
// limits (none, or lower and upper), a value as text in the settings file and what it reads back
// as, its getter when not "get" and the key, and its place in the store's enum.
struct Setting {
    QString key;
    QStringList setters;
    QVariant initial;
    QVariantList limits;
    QString stored;
    QVariant readsAs;
    QString getter = QString();
    int index = 0;
};

struct Recent {
    QStringList before;
    QString added;
    QStringList after;
};

} // namespace

Q_DECLARE_METATYPE(Setting)
Q_DECLARE_METATYPE(Recent)

class TstOvParameters : public TestBase {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(s_isolated.isValid() && s_italian);
        QSettings().clear();
    }

    // In the order of the store's enum.
    void setting_data()
    {
        QTest::addColumn<Setting>("row");
        int n = 0;
        auto row = [&n](Setting s) {
            s.index = n++;
            QTest::newRow(qPrintable(s.key)) << s;
        };
        row({"DriftAllertDefVal", {"setDriftAllert"}, false, {}, "true", true});
        row({"StoragePrintDefVal", {"setStoragePrint"}, false, {}, "1", true});
        row({"WalkTestDefVal", {"setWalkTest"}, 0, {}, "3", 3});
        row({"FlashingStatDefVal", {"setFlashingStat"}, false, {}, "-1", true});
        row({"SirenInstantActivationDefVal", {"setSirenInstantActivationDefVal"}, true, {}, "false", false});
        row({"SirenDelayTimeDefVal", {"setSirenDelayTime"}, 0, {0, 600}, "600", 600});
        row({"AllarmsTxDelayTimeDefVal", {}, 0, {0, 600}, "12", 12});
        row({"EvacuationChecksDefVal", {}, false, {}, "true", true});
        row({"AcknowledgementInhibitionTimeDefVal", {"setAcknowledgementInhibitionTime"}, 0, {0, 255}, "30", 30});
        row({"AutoAcknowledgementStatDefVal", {"setAutoAcknowledgementStat"}, false, {}, "true", true});
        row({"AutoAcknowledgementTimeDefVal", {"setAutoAcknowledgementTime"}, 0, {0, 2040}, "2040", 2040});
        row({"FailureSystemTimeDefVal", {"setFailureSystemTime"}, 0, {0, 300}, "-5", -5});
        row({"FailureTxTimeDefVal", {}, 0, {0, 600}, "601", 601});
        row({"DetectorsCheckStatDefVal", {"setDetectorsCheckStat"}, false, {}, "true", true});
        row({"DetectorsCheckTimeDefVal", {"setDetectorsCheckTime"}, 0, {0, 50}, "50", 50});
        row({"FalseFailureTimeTypeIDDefVal", {"setFalseFailureTimeTypeID"}, 8, {1, 30}, "1", 1});
        row({"OpenCircuitsFailureTimeDefVal", {"setOpenCircuitsFailureTime"}, 10, {1, 30}, "30", 30});
        row({"CameraLowValueTimeFailureDefVal", {"setCameraLowValueTimeFailure"}, 20, {1, 30}, "7", 7});
        // The siren and the evacuation sound share one sound type and one volume.
        row({"SirenSoundTypeDefVal", {"setSirenSoundType", "setEvacSoundType"}, 1, {1, 33}, "14", 14});
        row({"SirenVolumeDefVal", {"setSirenVolume", "setEvacSoundVolume"}, 1, {1, 4}, "4", 4});
        row({"PrinterStatDefVal", {"setPrinterStat"}, false, {}, "5", true});
        row({"PrinterParityDefVal", {"setPrinterParity"}, 0, {}, "2", 2});
        row({"PrinterBaudRateDefVal", {"setPrinterBaudRate"}, 9600, {}, "19200", 19200, "getPrinterBaudDefVal"});
        row({"SirenPhaseStatDefVal", {"setSirenPhaseStat"}, false, {}, "true", true});
        row({"SerialNumbersCheckStatDefVal", {"setSerialNumbersCheckStat"}, false, {}, "true", true});
        row({"FailureIvalidResponseTimeDefVal",
             {"setFailureInvalidResponseTime"},
             5,
             {1, 30},
             "1",
             1,
             "getFailureInvalidResponseTimeDefVal"});
        row({"FaultMaintenanceTimeDefVal", {"setFaultMaintenanceTime"}, 216, {1, 216}, "0", 0});
        row({"PreAlarmLevelDefVal", {"setPreAlarmLvl"}, 70, {}, "55", 55, "getPreAlarmLvlDefVal"});
        row({"SirenCorrelationDefVal", {"setSirenCorrelation"}, true, {}, "0", false});
    }
    void setting()
    {
        QFETCH(Setting, row);
        const QString key = "genParameters/" + row.key, getter = row.getter.isEmpty() ? "get" + row.key : row.getter;
        // A first start, or a number that does not convert, gives the default; the limits come
        // through their getters ("MinVal" and "MaxVal" in place of "DefVal") and the store, which
        // gives 0 for none.
        if (row.initial.type() == QVariant::Int)
            QSettings().setValue(key, "abc");
        {
            OvParametersReference reference;
            const auto setting = OvParameters::Setting(row.index);
            QCOMPARE(
                (QVariantList{call(&reference, getter), call(&reference, getter.chopped(6) + "MinVal"),
                              call(&reference, getter.chopped(6) + "MaxVal"), reference.parameters()->minValue(setting),
                              reference.parameters()->maxValue(setting)}),
                (QVariantList{row.initial, row.limits.value(0), row.limits.value(1), row.limits.value(0, 0),
                              row.limits.value(1, 0)}));
        }
        QSettings().setValue(key, row.stored);
        QVariant value = row.readsAs;
        {
            OvParametersReference reference;
            QCOMPARE(call(&reference, getter), row.readsAs);
            // Setters check no limits: one past the upper one goes through, written as its type.
            // An equal value writes nothing, so a value put behind the store's back stays.
            for (int i = 0; i < row.setters.size(); ++i) {
                value = value.type() == QVariant::Bool ? QVariant(!value.toBool())
                                                       : QVariant(row.limits.value(1, value).toInt() + 1 + i);
                const QVariant changed = call(&reference, row.setters[i], value);
                const QVariant written = QSettings().value(key);
                QSettings().setValue(key, "foreign");
                QCOMPARE((QVariantList{changed, written, written.type(), call(&reference, getter),
                                       call(&reference, row.setters[i], value), QSettings().value(key)}),
                         (QVariantList{true, value, value.type(), value, false, "foreign"}));
                QSettings().setValue(key, value);
            }
        }
        OvParametersReference reloaded;
        QCOMPARE(call(&reloaded, getter), value);
    }

    // The read-only properties of the switches follow the stored value both ways.
    void switchProperties()
    {
        const QStringList names{"driftAllert",        "storagePrint",
                                "flashingStat",       "sirenInstantActivation",
                                "evacuationChecks",   "autoAcknowledgementStat",
                                "detectorsCheckStat", "printerStat",
                                "sirenPhaseStat",     "serialNumbersCheckStat"};
        for (bool on : {false, true}) {
            for (const QString& name : names)
                QSettings().setValue("genParameters/" + name.left(1).toUpper() + name.mid(1) + "DefVal", on);
            OvParametersReference reference;
            for (const QString& name : names)
                QCOMPARE(name + ' ' + reference.parameters()->property(qPrintable(name + "DefVal")).toString(),
                         name + ' ' + QVariant(on).toString());
        }
    }

    // Fixed counts and texts, what a first start takes from the system and the brand, the values
    // written even when unchanged, and the store's lifetime.
    void single()
    {
        Configuration::instance()->set_central_brand(2);
        {
            OvParametersReference reference;
            const QVariantMap expected{{"getPlantMaxCPUCount", 64},
                                       {"getDirectGroupMinCount", 0},
                                       {"getDirectGroupMaxCount", 400},
                                       {"getDirectGroupDefCount", 300},
                                       {"getGroupMaxCount", 400},
                                       {"getHightSensibilityGroupEnabledDefValue", false},
                                       {"getLowSensibilityGroupEnabledDefValue", false},
                                       {"getActiveOutputModuleCount", 0},
                                       {"getMxAreasCount", 2000},
                                       {"getMxRepeatersCount", 8},
                                       {"getDefaultFileExtensione", ".tov"},
                                       {"getDefaultFileBinExtensione", ".bin"},
                                       {"getCSVToken", ","},
                                       {"getAlertAgainstObsoletePlantFileVersion", true},
                                       {"recentFilesName", QStringList()},
                                       {"getLastFilePath", s_home + "/Documents"},
                                       {"getActualLanguage", "it"}};
            for (auto it = expected.begin(); it != expected.end(); ++it)
                QCOMPARE(call(&reference, it.key()), it.value());
            QCOMPARE(QLocale().language(), QLocale::Italian);
            // The path stands plainly in the log line.
            QVERIFY(messages(QtInfoMsg).contains("lastFilePath = " + s_home + "/Documents"));
            // The last path, the language and the alert switch are written even when unchanged;
            // save writes all three.
            reference.parameters()->save();
            QSettings().setValue("defaultPath", "/elsewhere");
            reference.setLastFilePath(s_home + "/Documents");
            QCOMPARE((QVariantList{QSettings().value("defaultPath"), QSettings().value("defaultLanguage"),
                                   QSettings().value("allertForObsoletePlantFileVersion")}),
                     (QVariantList{s_home + "/Documents", "it", true}));
            reference.setLastFilePath("/plants");
            reference.setActualLanguage("fr");
            reference.setAlertAgainstObsoletePlantFileVersion(false);
            // One store for every holder, not read again while one lives.
            QSettings().setValue("genParameters/WalkTestDefVal", 4);
            QCOMPARE(OvParametersReference().parameters(), reference.parameters());
            QCOMPARE(OvParametersReference().getWalkTest(), 0);
        }
        QCOMPARE(OvParametersReference::GetActualLanguage(), QStringLiteral("fr"));
        {
            OvParametersReference reference;
            QCOMPARE((QVariantList{reference.getLastFilePath(), reference.getAlertAgainstObsoletePlantFileVersion(),
                                   reference.getWalkTest()}),
                     (QVariantList{"/plants", false, 4}));
        }
        expectWarning("release without a reference");
        OvParameters::release();
        const QString font = OvParametersReference::GetApplicationFontFamilyName();
        OvParametersReference::SaveApplicationFontFamilyName("Verdana");
        QCOMPARE((QStringList{font, QSettings().value("applicationFontFamily").toString(),
                              OvParametersReference::GetApplicationFontFamilyName()}),
                 (QStringList{"FernholdtSansWebMedium", "Verdana", "Verdana"}));
    }

    // At most nine paths, newest first, none twice (case-sensitive); read and written at every
    // use, and cleared through a reference or without one.
    void recentFiles_data()
    {
        QTest::addColumn<Recent>("row");
        const QStringList twelve = QString("/p/0 /p/1 /p/2 /p/3 /p/4 /p/5 /p/6 /p/7 /p/8 /p/9 /p/10 /p/11").split(' ');
        const QStringList nine = twelve.mid(0, 9), eight = twelve.mid(0, 8);
        QTest::newRow("newest first") << Recent{{"/p/b", "/p/a"}, "/p/c", {"/p/c", "/p/b", "/p/a"}};
        QTest::newRow("moved") << Recent{{"/p/c", "/p/b", "/p/a"}, "/p/a", {"/p/a", "/p/c", "/p/b"}};
        QTest::newRow("duplicates") << Recent{{"/p/x", "/p/y", "/p/x"}, "/p/x", {"/p/x", "/p/y"}};
        QTest::newRow("letter case") << Recent{{"/p/A"}, "/p/a", {"/p/a", "/p/A"}};
        QTest::newRow("ninth") << Recent{eight, "/p/new", QStringList{"/p/new"} + eight};
        QTest::newRow("tenth") << Recent{nine, "/p/new", QStringList{"/p/new"} + eight};
        QTest::newRow("moved in full") << Recent{nine, "/p/8", QStringList{"/p/8"} + eight};
        QTest::newRow("longer list") << Recent{twelve, "/p/new", QStringList{"/p/new"} + eight};
    }
    void recentFiles()
    {
        QFETCH(Recent, row);
        QSettings().setValue("recentFiles", row.before);
        OvParametersReference reference;
        reference.addToRecentOpenFile(row.added);
        QCOMPARE(QSettings().value("recentFiles").toStringList(), row.after);
        QCOMPARE(OvParametersReference::RecentFilesName(), row.after);
        reference.clearRecentOpenFile();
        QCOMPARE(QSettings().value("recentFiles"), QVariant(QStringList()));
        QSettings().setValue("recentFiles", row.before);
        OvParametersReference::ClearRecentOpenFile();
        QCOMPARE(reference.recentFilesName(), QStringList());
    }
    // An open notes its folder and its file together, the file by the same rule.
    void noteOpenedFile_data() { recentFiles_data(); }
    void noteOpenedFile()
    {
        QFETCH(Recent, row);
        QSettings().setValue("recentFiles", row.before);
        OvParametersReference reference;
        reference.noteOpenedFile("/p/folder", row.added);
        QCOMPARE(QSettings().value("recentFiles").toStringList(), row.after);
        QCOMPARE(QSettings().value("defaultPath").toString() + ' ' + reference.getLastFilePath(),
                 QStringLiteral("/p/folder /p/folder"));
    }

    // The language a first start takes from the system: the code of the program's translation
    // file, which names Hebrew "iw" and Norwegian "no" where the locale says "he" and "nb".
    void systemLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("Italian") << QLocale(QLocale::Italian) << "it";
        QTest::newRow("Brazilian Portuguese") << QLocale(QLocale::Portuguese, QLocale::Brazil) << "pt";
        QTest::newRow("Arabic") << QLocale(QLocale::Arabic) << "ar";
        QTest::newRow("Hebrew") << QLocale(QLocale::Hebrew) << "iw";
        QTest::newRow("Norwegian Bokmal") << QLocale(QLocale::NorwegianBokmal) << "no";
        QTest::newRow("Norwegian Nynorsk") << QLocale(QLocale::NorwegianNynorsk) << "no";
        QTest::newRow("German, no translation") << QLocale(QLocale::German) << "de";
    }
    void systemLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, code);
        QCOMPARE(OvParameters::languageOf(locale), code);
    }
};

QTEST_GUILESS_MAIN(TstOvParameters)
#include "tst_ovparameters.moc"
