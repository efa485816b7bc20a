// The desktop application end to end: the main window opens each model's
// example, its configuration dialog changes a setting and a channel's sensor
// and coefficient through the widgets, saves, and the written file holds the
// changes. Pictures of every kind of dialog are saved on the way.

#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <set>

#include "GuiTestSupport.h"
#include "apps/gui/FormWindow.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/MainWindow.h"
#include "apps/gui/QtHandlers.h"
#include "apps/gui/ReportWindow.h"
#include "core/SensorRegistry.h"
#include "platform/ChoiceDialog.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SelectSensorForImportDlg.h"
#include "ui/SensorChoice.h"

namespace {

constexpr int kTestHost = 8;  // its instruments include every model with a dialog

// Each model's example and a setting of its dialog: a check box, or an edit
// when typed is given.
struct SModelCase {
    const char* example;
    const char* setting;
    const char* typed;
};

const SModelCase kModels[] = {
    {"62-default.xmlcon", "scanTimeAdded", nullptr},
    {"62plus-default.xmlcon", "nmeaPosition", nullptr},
    {"62plusV2-configured.xmlcon", "nmeaPosition", nullptr},
    {"64-default.xmlcon", "scanTimeAdded", nullptr},
    {"64plus-default.xmlcon", "scanTimeAdded", nullptr},
    {"64plusV2-profiling.xmlcon", "scanTimeAdded", nullptr},
    {"64plusV2-default.con", "scanTimeAdded", nullptr},
    {"71-default.xmlcon", "scanTimeAdded", nullptr},
    {"56-default.xmlcon", "scanTimeAdded", nullptr},
    {"94-default.xmlcon", "scanTimeAdded", nullptr},
    {"812plus-configured.xmlcon", "scanTimeAdded", nullptr},
    {"payload-default.xmlcon", "sampleInterval", "30"},
    {"nimbrel-configured.xmlcon", "sampleInterval", "120"},
    {"47-default.xmlcon", "outputSalinity", nullptr},
};

QString CopyExample(const QTemporaryDir& folder, const char* example) {
    const QString copy = folder.filePath(QString::fromLatin1(example));
    QFile::remove(copy);
    QFile::copy(qEnvironmentVariable("TW_EXAMPLES_DIR") + u'/' + example, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

// The new sensor of a channel: a voltage sensor with an "Offset" that the
// instrument does not hold yet (pH, else the oxidation reduction potential
// sensor), on the last voltage channel whose sensor the user may change;
// none where the user may change no sensor.
struct SSensorChange {
    int channel = -1;
    int sensorID = -1;
};

SSensorChange SensorChangeFor(const CCTD& ctd) {
    std::set<int> held;
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        held.insert(ctd.GetSensor(channel).GetSensorID());
    }
    SSensorChange change;
    change.sensorID = held.count(43) == 0 ? 43 : held.count(41) == 0 ? 41 : -1;
    for (int channel = ctd.GetNumChannel() - 1;
         channel >= 0 && change.sensorID >= 0 && change.channel < 0; --channel) {
        if (ctd.CanChangeSensor(channel) != 0 &&
            SensorChannelKind(ctd, channel) == EChannelKind::Voltage) {
            change.channel = channel;
        }
    }
    return change;
}

// Reads what a dialog shows, through the logic alone: the form of the
// dialog is run by a script that keeps the control.
SControl ControlShownBy(const std::function<void()>& open, const char* id) {
    SControl shown;
    CScriptedForms forms({[&](CFormDialog& dialog) { shown = dialog.At(id); }});
    open();
    return shown;
}

// Acts on the configuration dialog: picks the channel, chooses the new sensor
// in the chooser and types its offset in the calibration form, confirming
// both with Enter.
void ChangeSensor(QWidget* dialog, const SSensorChange& change, bool pictured) {
    auto* grid = Child<QTableWidget>(dialog, "channels");
    grid->setFocus();
    grid->setCurrentCell(change.channel, 1);
    const QString name = QString::fromLatin1(GetSensorData(change.sensorID)->name);
    WhenModal([&](QWidget* chooser) {
        auto* tree = Child<QTreeWidget>(chooser, "sensors");
        const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        tree->setCurrentItem(found[0]);
        SaveScreenshot(chooser, pictured ? "sensor-chooser" : nullptr);
        WhenModal([&](QWidget* calibration) {
            auto* offset = Child<QLineEdit>(calibration, "Offset");
            TypeInto(offset, QStringLiteral("4.5"));
            SaveScreenshot(calibration, pictured ? "calibration-form" : nullptr);
            QTest::keyClick(offset, Qt::Key_Return);
        });
        QTest::keyClick(tree, Qt::Key_Return);
    });
    Click(dialog, "select");
    QCOMPARE(grid->item(change.channel, 1)->text(), name);
}

}  // namespace

class CConfigurationDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void eachModelIsEditedAndSavedThroughItsDialog();
    void picturesOfTheOtherDialogs();
    void everyCalibrationFormFitsTheScreen();
    void aVanishedRecentFileIsDroppedWithOneMessage();

  private:
    QTemporaryDir m_folder;
};

void CConfigurationDialogsTest::initTestCase() {
    QVERIFY(m_folder.isValid());
    InstallQtHandlers();
    InstallSensorImportChoice();
}

void CConfigurationDialogsTest::eachModelIsEditedAndSavedThroughItsDialog() {
    for (const SModelCase& model : kModels) {
        qInfo("%s", model.example);
        const QString path = CopyExample(m_folder, model.example);
        CMainWindow window(kTestHost);
        window.show();
        QVERIFY(window.OpenPath(path));
        // Scaled, every model's dialog is pictured, under the example's name.
        const bool scaled = qApp->devicePixelRatio() > 1;
        const bool pictured = QByteArray(model.example) == "64plusV2-profiling.xmlcon";
        const QByteArray dialogPicture =
            scaled ? QFileInfo(QString::fromLatin1(model.example)).completeBaseName().toLatin1()
                   : QByteArray(pictured ? "configuration-dialog" : "");
        SaveScreenshot(&window, pictured ? "main-window" : nullptr);
        const SSensorChange change = SensorChangeFor(*window.Config().GetSelectedCTD());
        int expectedCheck = -1;
        WhenModal([&](QWidget* dialog) {
            QVERIFY(FitsScreen(dialog));
            if (model.typed != nullptr) {
                TypeInto(Child<QLineEdit>(dialog, model.setting), model.typed);
            } else {
                auto* check = Child<QCheckBox>(dialog, model.setting);
                expectedCheck = check->isChecked() ? 0 : 1;
                check->setFocus();
                QTest::keyClick(check, Qt::Key_Space);
            }
            if (change.channel >= 0) {
                ChangeSensor(dialog, change, pictured);
            }
            SaveScreenshot(dialog, dialogPicture.isEmpty() ? nullptr : dialogPicture.constData());
            Click(dialog, "save");
            Click(dialog, "leave");
        });
        Click(&window, "configure");
        QVERIFY(!QTest::currentTestFailed());

        // The written file, read again, holds every change.
        CConfigCTD reader;
        reader.SetApplication(kTestHost);
        CString savedPath = ToPath(path);
        QVERIFY(reader.SelectConFile(savedPath));
        const SControl setting =
            ControlShownBy([&] { reader.DispSelectedConFile(); }, model.setting);
        if (model.typed != nullptr) {
            QCOMPARE(atof(setting.text), atof(model.typed));
        } else {
            QCOMPARE(setting.value, expectedCheck);
        }
        if (change.channel >= 0) {
            CSensor& sensor = reader.GetSelectedCTD()->GetSensor(change.channel);
            QCOMPARE(sensor.GetSensorID(), change.sensorID);
            QCOMPARE(atof(ControlShownBy([&] { DisplaySensorDialog(&sensor, 0); }, "Offset").text),
                     4.5);
        }
    }
}

void CConfigurationDialogsTest::picturesOfTheOtherDialogs() {
    CMainWindow window(kTestHost);
    window.show();
    // The instrument picker of a new configuration, left with Escape.
    WhenModal([&](QWidget* picker) {
        QVERIFY(FitsScreen(picker));
        SaveScreenshot(picker, "instrument-picker");
        QTest::keyClick(picker, Qt::Key_Escape);
    });
    Click(&window, "newFile");

    // The choice of one sensor among several in an imported file.
    SChoiceRequest request;
    request.title = "Select Sensor";
    request.rows = {"Calibration date: 14-Mar-26, Serial number: 0412, Name: pH",
                    "Calibration date: 02-Feb-26, Serial number: 1177, Name: pH"};
    WhenModal([&](QWidget* choice) {
        auto* list = Child<QListWidget>(choice, "sensors");
        list->setCurrentRow(1);
        SaveScreenshot(choice, "import-choice");
        QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(TWChoiceDialog(request), 1);

    // The report of the configuration dialog opens in the report window.
    QVERIFY(window.OpenPath(CopyExample(m_folder, "64plusV2-profiling.xmlcon")));
    WhenModal([&](QWidget* dialog) {
        Click(dialog, "report");
        auto* report = TopLevel<CReportWindow>();
        QVERIFY(report != nullptr && report->isVisible());
        SaveScreenshot(report, "report-window");
        report->close();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.Configure();

    // The TDW 56plus Corvane's property sheet, when this build has it.
    QVERIFY(window.OpenPath(CopyExample(m_folder, "56plus-default.xmlcon")));
    const auto sheet = WatchModals([&](QWidget* modal) {
        QVERIFY(FitsScreen(modal));
        SaveScreenshot(modal, "56plus-sheet");
        QMetaObject::invokeMethod(modal, "reject");
    });
    window.Configure();
}

void CConfigurationDialogsTest::everyCalibrationFormFitsTheScreen() {
    int forms = 0;
    for (int sensorID = 0; sensorID < NUM_SENSOR_IDS; ++sensorID) {
        std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
        if (!sensor) {
            continue;
        }
        const auto watcher = WatchModals([&](QWidget* modal) {
            if (qobject_cast<CFormWindow*>(modal) != nullptr) {
                ++forms;
                QVERIFY2(FitsScreen(modal), qPrintable(QString::number(sensorID)));
            }
            QMetaObject::invokeMethod(modal, "reject");
        });
        DisplaySensorDialog(sensor.get(), 0);
    }
    QVERIFY(forms > 50);
}

void CConfigurationDialogsTest::aVanishedRecentFileIsDroppedWithOneMessage() {
    const QString path = CopyExample(m_folder, "62-default.xmlcon");
    CMainWindow window(kTestHost);
    window.show();
    QVERIFY(window.OpenPath(path));
    QVERIFY(window.RecentFiles().contains(QFileInfo(path).absoluteFilePath()));
    QVERIFY(QFile::remove(path));
    QStringList shown;
    const auto boxes = WatchModals([&](QWidget* modal) {
        shown << qobject_cast<QMessageBox*>(modal)->text();
        QMetaObject::invokeMethod(modal, "accept");
    });
    QVERIFY(!window.OpenPath(path));
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QStringLiteral("no longer exists")));
    QVERIFY(!window.RecentFiles().contains(QFileInfo(path).absoluteFilePath()));
    QVERIFY(!Child<QPushButton>(&window, "configure")->isEnabled());  // nothing selected
}

QTEST_MAIN(CConfigurationDialogsTest)
#include "ConfigurationDialogs_test.moc"
