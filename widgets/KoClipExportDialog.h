#pragma once

#include "library/KoClipExport.h"
#include "widgets/KoBasicDialog.h"

#include <QStringList>

#include <atomic>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QThread;

// "Export clip..." of the file list and the video display: the range (from
// the I/O marks, or 20 s before to 10 s after the current position), the kind
// of clip, the folder; then the export on a worker thread with a progress bar
// and Cancel. Created by exportClip(), window-modal; it deletes itself when
// closed, and closing it cancels a running export.
class KoClipExportDialog : public KoBasicDialog
{
    Q_OBJECT

public:
    // What the window hands over: the playing recording's channel files in
    // channel order, the current position in seconds, the I/O marks (negative:
    // not set) and the next recording of the list (empty: none), used when the
    // range runs into it and the camera times follow on.
    struct Source
    {
        QStringList channels;
        double position = 0;
        double markIn = -1;
        double markOut = -1;
        QStringList nextChannels;
    };

    // Opens the dialog over `parent` and returns it.
    static KoClipExportDialog *exportClip(QWidget *parent, const Source &source);
    // The text of the menu entries.
    static QString menuText();

    explicit KoClipExportDialog(const Source &source, QWidget *parent = nullptr);
    ~KoClipExportDialog() override;

    // The form's state, for the window's tests and previews.
    KoClipRange::Span range() const;
    void setRange(KoClipRange::Span range);
    QString folder() const;
    void setFolder(const QString &folder);
    bool oneVideo() const;
    void setOneVideo(bool oneVideo);
    // The recording's length once it is known (0 before).
    double duration() const { return m_total; }
    bool isRunning() const { return m_worker != nullptr; }
    // The last export's result (status Ok and no path before one ran).
    const KoClipExport::Result &result() const { return m_result; }

public slots:
    // As the Export button (and Return) does.
    void startExport();
    // As the Cancel button (and Escape) does: cancels a running export, else
    // closes.
    void cancelOrClose();
    void reject() override;

signals:
    void durationKnown();
    // A KoClipExport::Status.
    void exportFinished(int status);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();
    void learnDuration();
    void showLength();
    void setRunning(bool running);
    void finish(const KoClipExport::Result &result);
    void chooseFolder();

    Source m_source;
    double m_total = 0;
    KoClipExport::Result m_result;
    QThread *m_worker = nullptr;
    QThread *m_prober = nullptr;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_closing{false};

    QLabel *m_recording = nullptr;
    QDoubleSpinBox *m_from = nullptr;
    QDoubleSpinBox *m_to = nullptr;
    QLabel *m_length = nullptr;
    QRadioButton *m_separate = nullptr;
    QRadioButton *m_oneVideo = nullptr;
    QLineEdit *m_folder = nullptr;
    QPushButton *m_choose = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
