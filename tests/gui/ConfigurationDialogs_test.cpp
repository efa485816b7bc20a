// The desktop application end to end: the main window opens each model's
// example, its configuration dialog changes a setting and a channel's sensor
// and coefficient through the widgets, saves, and the written file holds the
// changes. Pictures of every kind of dialog are saved on the way.

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "GuiTestSupport.h"
#include "apps/gui/FormWindow.h"
#include "apps/gui/Latin1.h"
#include "apps/gui/MainWindow.h"
#include "apps/gui/QtHandlers.h"
#include "apps/gui/ReportWindow.h"
#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorRegistry.h"
#include "legacy/ConFile.h"
#include "platform/ChoiceDialog.h"
#include "platform/Form.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SelectSensorForImportDlg.h"
#include "ui/SensorChoice.h"

namespace {

// The host number whose instruments include every model with a dialog.
constexpr int kTestHost = 8;
// Voltage sensors that every chooser offers, each with an "Offset"
// coefficient: pH, then the oxidation reduction potential sensor.
constexpr int kNewSensors[] = {43, 41};

struct SModelCase {
    const char* example;
    const char* setting;  // a check box, or an edit when typed is given
    const char* typed;
    bool sensorButtons = true;  // the dialog offers Select... and Modify...
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
    {"47-default.xmlcon", "outputSalinity", nullptr, false},
};

QString CopyExample(const QTemporaryDir& folder, const char* example) {
    const QString source = qEnvironmentVariable("TW_EXAMPLES_DIR") + u'/' + example;
    const QString copy = folder.filePath(QString::fromLatin1(example));
    QFile::remove(copy);
    if (!QFile::copy(source, copy)) {
        qWarning("cannot copy %s", qPrintable(source));
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

bool Holds(const CCTD& ctd, int sensorID) {
    for (int channel = 0; channel < ctd.GetNumChannel(); ++channel) {
        if (ctd.GetSensor(channel).GetSensorID() == sensorID) {
            return true;
        }
    }
    return false;
}

// The new sensor of a channel: the last voltage channel whose sensor the user
// may change, and a sensor the instrument does not hold yet; channel -1 when
// there is none.
struct SSensorChange {
    int channel = -1;
    int sensorID = -1;
};

SSensorChange SensorChangeFor(const CCTD& ctd) {
    SSensorChange change;
    for (int sensorID : kNewSensors) {
        if (!Holds(ctd, sensorID)) {
            change.sensorID = sensorID;
            break;
        }
    }
    for (int channel = ctd.GetNumChannel() - 1; channel >= 0 && change.sensorID >= 0; --channel) {
        if (ctd.CanChangeSensor(channel) != 0 &&
            SensorChannelKind(ctd, channel) == EChannelKind::Voltage) {
            change.channel = channel;
            break;
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
// in the chooser and types its offset in the calibration form.
void ChangeSensor(QWidget* dialog, const SSensorChange& change, bool pictured) {
    const int channel = change.channel;
    auto* grid = Child<QTableWidget>(dialog, "channels");
    QVERIFY(grid != nullptr);
    grid->setFocus();
    grid->setCurrentCell(channel, 1);
    const QString name = QString::fromLatin1(GetSensorData(change.sensorID)->name);
    WhenModal([&](QWidget* chooser) {
        auto* tree = Child<QTreeWidget>(chooser, "sensors");
        QVERIFY(tree != nullptr);
        const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        tree->setCurrentItem(found[0]);
        if (pictured) {
            SaveScreenshot(chooser, "sensor-chooser");
        }
        WhenModal([&](QWidget* calibration) {
            auto* offset = Child<QLineEdit>(calibration, "Offset");
            QVERIFY(offset != nullptr);
            offset->setFocus();
            offset->selectAll();
            QTest::keyClicks(offset, QStringLiteral("4.5"));
            if (pictured) {
                SaveScreenshot(calibration, "calibration-form");
            }
            QTest::keyClick(offset, Qt::Key_Return);  // OK is the default button
        });
        QTest::keyClick(tree, Qt::Key_Return);
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "select"), Qt::LeftButton);
    QCOMPARE(grid->item(channel, 1)->text(), name);
}

}  // namespace

class CConfigurationDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void eachModelIsEditedAndSavedThroughItsDialog();
    void aRefusedValueShowsItsMessageAndTheDialogStays();
    void theMainWindowRemembersFilesAndRefusesOtherHostsInstruments();
    void picturesOfTheOtherDialogs();
    void everyCalibrationFormFitsTheScreen();

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
        const CCTD& opened = *window.Config().GetSelectedCTD();
        const int ctdID = window.Config().GetSelectedCTD_ID();
        QCOMPARE(Child<QLabel>(&window, "modelName")->text(),
                 QString::fromLatin1(GetCTD_Data(ctdID)->name));
        QCOMPARE(Child<QTableWidget>(&window, "channelSummary")->rowCount(),
                 opened.GetNumChannel());
        const bool pictured = std::string(model.example) == "64plusV2-profiling.xmlcon";
        if (pictured) {
            SaveScreenshot(&window, "main-window");
        }
        const SSensorChange change =
            model.sensorButtons ? SensorChangeFor(opened) : SSensorChange();
        const int channel = change.channel;

        int expectedCheck = -1;
        WhenModal([&](QWidget* dialog) {
            QVERIFY(dialog->width() <= 1366 && dialog->height() <= 768);
            if (model.typed != nullptr) {
                auto* edit = Child<QLineEdit>(dialog, model.setting);
                QVERIFY(edit != nullptr && edit->isEnabled());
                edit->setFocus();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(model.typed));
            } else {
                auto* check = Child<QCheckBox>(dialog, model.setting);
                QVERIFY(check != nullptr && check->isEnabled());
                expectedCheck = check->isChecked() ? 0 : 1;
                check->setFocus();
                QTest::keyClick(check, Qt::Key_Space);
            }
            if (channel >= 0) {
                ChangeSensor(dialog, change, pictured);
            }
            if (pictured) {
                SaveScreenshot(dialog, "configuration-dialog");
            }
            QTest::mouseClick(Child<QPushButton>(dialog, "save"), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(dialog, "leave"), Qt::LeftButton);
        });
        QTest::mouseClick(Child<QPushButton>(&window, "configure"), Qt::LeftButton);
        QVERIFY(!QTest::currentTestFailed());

        // The written file, read again, holds every change; the main window
        // shows it too, because the dialog saved the selected file.
        std::unique_ptr<CCTD> saved(CreateCTDObject(ReadCTDID(ToPath(path))));
        QVERIFY(saved && ReadConFile(ToPath(path), saved.get()));
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
        if (channel >= 0) {
            QCOMPARE(saved->GetSensor(channel).GetSensorID(), change.sensorID);
            const SControl offset = ControlShownBy(
                [&] { DisplaySensorDialog(&saved->GetSensor(channel), 0); }, "Offset");
            QCOMPARE(atof(offset.text), 4.5);
            QCOMPARE(Child<QTableWidget>(&window, "channelSummary")->item(channel, 1)->text(),
                     QString::fromLatin1(GetSensorData(change.sensorID)->name));
        }
    }
}

void CConfigurationDialogsTest::aRefusedValueShowsItsMessageAndTheDialogStays() {
    const QString path = CopyExample(m_folder, "nimbrel-configured.xmlcon");
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    CMainWindow window(kTestHost);
    QVERIFY(window.OpenPath(path));
    QString message;
    WhenModal([&](QWidget* dialog) {
        auto* interval = Child<QLineEdit>(dialog, "sampleInterval");
        interval->setFocus();
        interval->selectAll();
        QTest::keyClicks(interval, QStringLiteral("0.5"));
        WhenModal([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QString("Input Error"));
            message = box->text();
            SaveScreenshot(box, "message-box");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::mouseClick(Child<QPushButton>(dialog, "leave"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());  // the refused value keeps the dialog open
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.Configure();
    QVERIFY(message.startsWith(QStringLiteral("Sample interval must be a number from 0.9 to ")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void CConfigurationDialogsTest::theMainWindowRemembersFilesAndRefusesOtherHostsInstruments() {
    const QString first = CopyExample(m_folder, "94-default.xmlcon");
    const QString second = CopyExample(m_folder, "64-default.xmlcon");
    {
        CMainWindow window(kTestHost);
        QVERIFY(window.OpenPath(first));
        QVERIFY(window.OpenPath(second));
        QVERIFY(window.OpenPath(first));
        QCOMPARE(window.RecentFiles().mid(0, 2), (QStringList{first, second}));
    }
    // WavecapV7 does not open the TDW 73 Nimbrel: the library's message says so.
    CMainWindow wavecap(6);
    QVERIFY(wavecap.windowTitle().contains(QStringLiteral("WavecapV7")));
    QString message;
    WhenModal([&](QWidget* modal) {
        message = qobject_cast<QMessageBox*>(modal)->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    QVERIFY(!wavecap.OpenPath(CopyExample(m_folder, "nimbrel-configured.xmlcon")));
    QCOMPARE(message, QString("WavecapV7 does not support the ") +
                          QString::fromLatin1(GetCTD_Data(CTD_73_NIMBREL)->name) + u'.');
    QVERIFY(!Child<QPushButton>(&wavecap, "configure")->isEnabled());
}

void CConfigurationDialogsTest::picturesOfTheOtherDialogs() {
    CMainWindow window(kTestHost);
    window.show();
    // The instrument picker of a new configuration, left with Escape.
    bool picked = false;
    WhenModal([&](QWidget* picker) {
        picked = true;
        QVERIFY(picker->width() <= 1366 && picker->height() <= 768);
        SaveScreenshot(picker, "instrument-picker");
        QTest::keyClick(picker, Qt::Key_Escape);
    });
    QTest::mouseClick(Child<QPushButton>(&window, "newFile"), Qt::LeftButton);
    QVERIFY(picked);

    // The choice of one sensor among several in an imported file.
    SChoiceRequest request;
    request.title = "Select Sensor";
    request.rows = {"Calibration date: 14-Mar-26, Serial number: 0412, Name: pH",
                    "Calibration date: 02-Feb-26, Serial number: 1177, Name: pH"};
    WhenModal([&](QWidget* choice) {
        auto* list = Child<QListWidget>(choice, "sensors");
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1);
        SaveScreenshot(choice, "import-choice");
        QTest::keyClick(list, Qt::Key_Return);
    });
    QCOMPARE(TWChoiceDialog(request), 1);

    // The report of the configuration dialog opens in the report window.
    QVERIFY(window.OpenPath(CopyExample(m_folder, "64plusV2-profiling.xmlcon")));
    WhenModal([&](QWidget* dialog) {
        QTest::mouseClick(Child<QPushButton>(dialog, "report"), Qt::LeftButton);
        CReportWindow* report = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            report = report != nullptr ? report : qobject_cast<CReportWindow*>(top);
        }
        QVERIFY(report != nullptr && report->isVisible());
        SaveScreenshot(report, "report-window");
        report->close();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    window.Configure();

    // The TDW 56plus Corvane's property sheet, when this build has it.
    QVERIFY(window.OpenPath(CopyExample(m_folder, "56plus-default.xmlcon")));
    bool sheetShown = false;
    {
        CModalWatcher sheet([&](QWidget* modal) {
            sheetShown = true;
            QVERIFY(modal->width() <= 1366 && modal->height() <= 768);
            SaveScreenshot(modal, "56plus-sheet");
            QMetaObject::invokeMethod(modal, "reject");
        });
        window.Configure();
    }
    if (!sheetShown) {
        qInfo("the 56plus sheet is not in this build");
    }
}

void CConfigurationDialogsTest::everyCalibrationFormFitsTheScreen() {
    int forms = 0;
    for (int sensorID = 0; sensorID < NUM_SENSOR_IDS; ++sensorID) {
        std::unique_ptr<CSensor> sensor(CreateSensorObject(sensorID));
        if (!sensor) {
            continue;
        }
        CModalWatcher watcher([&](QWidget* modal) {
            if (qobject_cast<CFormWindow*>(modal) != nullptr) {
                ++forms;
                if (modal->width() > 1366 || modal->height() > 768) {
                    qWarning("sensor %d: %d x %d", sensorID, modal->width(), modal->height());
                    QFAIL("a calibration form is larger than the screen");
                }
            }
            QMetaObject::invokeMethod(modal, "reject");
        });
        DisplaySensorDialog(sensor.get(), 0);
    }
    QVERIFY(forms > 50);
}

QTEST_MAIN(CConfigurationDialogsTest)
#include "ConfigurationDialogs_test.moc"
