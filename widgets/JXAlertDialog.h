#pragma once

#include <QDialog>
#include <QPoint>

#include <memory>

namespace Ui {
class JXAlertDialog;
}

// The program's message box: a yes/no question or a notice with OK alone;
// frameless, dark, draggable from anywhere but its buttons.
class JXAlertDialog : public QDialog
{
    Q_OBJECT

public:
    explicit JXAlertDialog(QWidget *parent = nullptr);
    ~JXAlertDialog() override;

    // Asks modally. Returns QMessageBox::Ok (1024) only when the user pressed
    // OK, otherwise QMessageBox::Cancel (4194304): Cancel, Escape or closing
    // the window. The dialog deletes itself when it closes.
    static int question(QWidget *parent, const QString &title, const QString &message);
    // Tells modally, with the OK button alone; returns once the box is closed
    // (OK, Escape or closing the window). Deletes itself like question().
    static void information(QWidget *parent, const QString &title, const QString &message);

    void setTitle(const QString &title);
    QString title() const;
    void setMessage(const QString &message);
    QString message() const;

private slots:
    void on_pushBtn_ok_clicked();
    void on_pushBtn_cancel_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    static int run(QWidget *parent, const QString &title, const QString &message, bool withCancel);

    std::unique_ptr<Ui::JXAlertDialog> ui;
    bool m_isPressed = false;
    QPoint m_lastMousePos;
};
