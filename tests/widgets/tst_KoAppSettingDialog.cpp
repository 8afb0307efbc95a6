#include "TestMain.h"

#include "app/JXDefaultSettings.h"
#include "app/JXLanguage.h"
#include "widgets/JXAlertDialog.h"
#include "widgets/KoAppSettingDialog.h"
#include "widgets/KoCustomComboBox.h"
#include "widgets/KoTitleBar.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

QString translated(const char *source)
{
    return QCoreApplication::translate("KoAppSettingDialog", source);
}

// Loads a language the way start-up does and waits until the posted language
// change has reached every window.
void switchLanguage(int language)
{
    JXDefaultSettings::instance()->setLanguage(language);
    loadTranslator(language);
    QCoreApplication::processEvents();
}

// A dialog as the main window opens it (created with new, deletes itself when
// closed), with the callbacks it made recorded.
struct OpenDialog
{
    QList<bool> calls;
    QPointer<KoAppSettingDialog> dialog;

    explicit OpenDialog(bool withCallback = true)
    {
        std::function<void(bool)> callback;
        if (withCallback)
            callback = [this](bool mapChanged) { calls << mapChanged; };
        dialog = new KoAppSettingDialog(callback);
        dialog->move(100, 100);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog))
            qWarning("settings dialog not exposed");
    }
    ~OpenDialog()
    {
        if (dialog)
            dialog->close();
        QTRY_VERIFY(dialog.isNull());
    }
    template <typename T> T *get(const char *name) const
    {
        T *child = dialog->findChild<T *>(QLatin1String(name));
        if (!child)
            qFatal("no child %s", name);
        return child;
    }
    KoCustomComboBox *combo(const char *name) const { return get<KoCustomComboBox>(name); }
    QString label(const char *name) const { return get<QLabel>(name)->text(); }
};

} // namespace

class tst_KoAppSettingDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&g_translator); }

    void init()
    {
        auto *s = JXDefaultSettings::instance();
        s->setMapType(KoMapType::Google);
        s->setSpeedUnit(KoSpeedUnit::KilometresPerHour);
        s->setSnapDir(m_home.path());
        switchLanguage(2);
    }

    void openingChangesNothingAndShowsTheStoredValues()
    {
        auto *s = JXDefaultSettings::instance();
        switchLanguage(5);
        s->setMapType(KoMapType::OpenStreetMap);
        s->setSpeedUnit(KoSpeedUnit::MilesPerHour);

        OpenDialog d;
        // Filling a combo moves its current index through 0: a handler that
        // ran then would have stored 0.
        QCOMPARE(s->getLanguage(), 5);
        QCOMPARE(s->getMapType(), KoMapType::OpenStreetMap);
        QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::MilesPerHour);
        QCOMPARE(s->getSnapDir(), m_home.path());
        QVERIFY(d.calls.isEmpty());

        QCOMPARE(d.combo("comboBox_language")->currentIndex(), 5);
        QCOMPARE(d.combo("comboBox_language")->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(d.combo("comboBox_language")->count(), 8);
        QCOMPARE(d.combo("comboBox_map")->currentText(), QStringLiteral("OpenStreetMap"));
        QCOMPARE(d.combo("comboBox_unit")->currentText(), QStringLiteral("MPH"));
        QCOMPARE(d.get<QLineEdit>("lineEdit_snapDir")->text(), m_home.path());
        QCOMPARE(d.get<QLineEdit>("lineEdit_snapDir")->toolTip(), m_home.path());
        QCOMPARE(d.label("label_9"), QStringLiteral("Sprache:"));

        const QString version = d.get<QTextBrowser>("textBrowser_velmor")->toPlainText();
        QVERIFY2(version.startsWith(QStringLiteral("Aktuelle Version: V1.20.0408")), qPrintable(version));
        QVERIFY(version.contains(QStringLiteral("Tavrin Player")));
        QVERIFY(d.get<QTextBrowser>("textBrowser_velmor")->isVisible());
        QVERIFY(!d.get<QTextBrowser>("textBrowser_pellira")->isVisible());

        QVERIFY(d.dialog->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(d.dialog->titleBar()->isTransparentStyle());
        QCOMPARE(d.dialog->titleBar()->buttonType(), int(KoTitleBar::ButtonTypeCloseOnly));
    }

    void choosingALanguageStoresLoadsAndRetranslates()
    {
        auto *s = JXDefaultSettings::instance();
        s->setMapType(KoMapType::Baidu);
        s->setSpeedUnit(KoSpeedUnit::MilesPerHour);
        OpenDialog d;
        QCOMPARE(d.label("label_9"), QStringLiteral("Language:"));
        QCOMPARE(d.combo("comboBox_map")->currentText(), QStringLiteral("Baidu Maps"));

        d.combo("comboBox_language")->setCurrentIndex(5);
        QCOMPARE(s->getLanguage(), 5);
        QCOMPARE(translated("语言设置："), QStringLiteral("Sprache:"));
        QTRY_COMPARE(d.label("label_9"), QStringLiteral("Sprache:"));
        QCOMPARE(d.get<QGroupBox>("groupBox_2")->title(), QStringLiteral("Systemeinstellungen"));
        QCOMPARE(d.combo("comboBox_language")->currentIndex(), 5);
        QCOMPARE(d.combo("comboBox_map")->currentIndex(), 1);
        QCOMPARE(d.combo("comboBox_unit")->currentIndex(), 1);
        QVERIFY(
            d.get<QTextBrowser>("textBrowser_velmor")->toPlainText().startsWith(QStringLiteral("Aktuelle")));

        // The rebuilt lists take the new language, but the language and map
        // names follow their own rules.
        d.combo("comboBox_language")->setCurrentIndex(0);
        QTRY_COMPARE(d.label("label_9"), QStringLiteral("语言设置："));
        QCOMPARE(s->getLanguage(), 0);
        QCOMPARE(d.combo("comboBox_language")->currentIndex(), 0);
        QCOMPARE(d.combo("comboBox_language")->itemText(4), QStringLiteral("русский"));
        QCOMPARE(d.combo("comboBox_map")->currentText(), QStringLiteral("百度地图"));
        QCOMPARE(d.combo("comboBox_unit")->currentText(), QStringLiteral("MPH"));
        QCOMPARE(s->getMapType(), KoMapType::Baidu);
        QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::MilesPerHour);
        QVERIFY(d.calls.isEmpty());
    }

    void mapAndUnitAreStoredAndReported()
    {
        auto *s = JXDefaultSettings::instance();
        {
            OpenDialog d;
            d.combo("comboBox_map")->setCurrentIndex(2);
            QCOMPARE(s->getMapType(), KoMapType::OpenStreetMap);
            QCOMPARE(d.calls, QList<bool>{true});
            d.combo("comboBox_unit")->setCurrentIndex(1);
            QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::MilesPerHour);
            QCOMPARE(d.calls, (QList<bool>{true, false}));
            QCOMPARE(s->getLanguage(), 2);

            // Closing confirms nothing and undoes nothing.
            QTest::mouseClick(d.dialog->titleBar()->findChild<QPushButton *>(QStringLiteral("ButtonClose")),
                              Qt::LeftButton);
            QTRY_VERIFY(d.dialog.isNull());
            QCOMPARE(s->getMapType(), KoMapType::OpenStreetMap);
            QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::MilesPerHour);
        }
        {
            OpenDialog d(false);
            d.combo("comboBox_map")->setCurrentIndex(0);
            d.combo("comboBox_unit")->setCurrentIndex(0);
            QCOMPARE(s->getMapType(), KoMapType::Google);
            QCOMPARE(s->getSpeedUnit(), KoSpeedUnit::KilometresPerHour);
        }
    }

    // As the main window runs it: created with new over a parent, exec()'d,
    // closed by the title bar; the changes stay and the dialog is gone.
    void modalRunFromAParentWindow()
    {
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QList<bool> calls;
        QPointer<KoAppSettingDialog> dialog = new KoAppSettingDialog([&](bool map) { calls << map; }, &owner);
        QTimer::singleShot(0, dialog, [&] {
            QVERIFY(dialog->isModal());
            dialog->findChild<KoCustomComboBox *>(QStringLiteral("comboBox_unit"))->setCurrentIndex(1);
            QTest::mouseClick(dialog->titleBar()->findChild<QPushButton *>(QStringLiteral("ButtonClose")),
                              Qt::LeftButton);
        });
        QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(calls, QList<bool>{false});
        QCOMPARE(JXDefaultSettings::instance()->getSpeedUnit(), KoSpeedUnit::MilesPerHour);
    }

    void snapshotFolderChoice()
    {
        auto *s = JXDefaultSettings::instance();
        OpenDialog d;
        auto *edit = d.get<QLineEdit>("lineEdit_snapDir");
        auto alerts = [&] { return d.dialog->findChildren<JXAlertDialog *>(); };

        // Cancelled chooser.
        QVERIFY(!d.dialog->applySnapDir(QString()));
        QCOMPARE(s->getSnapDir(), m_home.path());
        QCOMPARE(edit->text(), m_home.path());
        QVERIFY(alerts().isEmpty());

        QTemporaryDir chosen;
        QVERIFY(d.dialog->applySnapDir(chosen.path()));
        QCOMPARE(s->getSnapDir(), chosen.path());
        QCOMPARE(edit->text(), chosen.path());
        QCOMPARE(edit->toolTip(), chosen.path());
        // The write test leaves nothing behind in the user's folder.
        QVERIFY(
            QDir(chosen.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(alerts().isEmpty());

        // Running as root, permission bits would not stop a write: the refused
        // folders here are ones nothing can be created in.
        QFile file(chosen.filePath(QStringLiteral("plain-file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QStringList refused = {file.fileName(), file.fileName() + QStringLiteral("/below"),
                                     chosen.filePath(QStringLiteral("gone"))};
        for (const QString &path : refused) {
            QVERIFY2(!d.dialog->applySnapDir(path), qPrintable(path));
            QCOMPARE(s->getSnapDir(), chosen.path());
            QCOMPARE(edit->text(), chosen.path());
            QTRY_COMPARE(alerts().size(), 1);
            JXAlertDialog *alert = alerts().first();
            QVERIFY(alert->isVisible());
            QCOMPARE(alert->message(), translated("无法写入所选文件夹，抓拍路径未更改。"));
            QVERIFY(alert->message() != QStringLiteral("无法写入所选文件夹，抓拍路径未更改。"));
            auto *text = alert->findChild<QLabel *>(QStringLiteral("label_msg"));
            QVERIFY(text->heightForWidth(text->width()) <= text->height());
            alert->close();
            QTRY_VERIFY(alerts().isEmpty());
        }
    }

    // The longest translations (German, Russian) are the ones at risk.
    void everyLanguageFitsItsControls_data()
    {
        QTest::addColumn<int>("language");
        for (int i = 0; i < kLanguageCount; ++i)
            QTest::newRow(g_languageTable[i].resource) << i;
    }

    void everyLanguageFitsItsControls()
    {
        QFETCH(int, language);
        switchLanguage(language);
        OpenDialog d;
        QCOMPARE(d.label("label_9"), translated("语言设置："));
        for (const char *name : {"label_9", "label_10", "label_11", "label_6"}) {
            auto *label = d.get<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        for (const char *name : {"groupBox_2", "groupBox_version"}) {
            auto *box = d.get<QGroupBox>(name);
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) <= box->width() - 20,
                     qPrintable(box->title()));
        }
        // Text left of the 25-pixel drop-down area, after the 12-pixel indent.
        for (const char *name : {"comboBox_language", "comboBox_map", "comboBox_unit"}) {
            KoCustomComboBox *combo = d.combo(name);
            for (int i = 0; i < combo->count(); ++i)
                QVERIFY2(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) <=
                             combo->width() - 12 - 25,
                         qPrintable(combo->itemText(i)));
        }
        for (const char *name : {"textBrowser_velmor", "textBrowser_pellira"}) {
            auto *browser = d.get<QTextBrowser>(name);
            QTextDocument *doc = browser->document();
            doc->setTextWidth(browser->viewport()->width());
            // The panel reaches past the dialog's lower edge: the text has to
            // end inside the dialog.
            const int top = browser->viewport()->mapTo(d.dialog, QPoint(0, 0)).y();
            QVERIFY2(top + doc->size().height() <= d.dialog->height(), name);
            QVERIFY2(doc->idealWidth() <= browser->viewport()->width(), name);
        }
    }

private:
    QTemporaryDir m_home;
};

TAVRIN_TEST_MAIN(tst_KoAppSettingDialog, QApplication)
#include "tst_KoAppSettingDialog.moc"
