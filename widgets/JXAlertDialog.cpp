#include "widgets/JXAlertDialog.h"

#include "widgets/KoWindowPosition.h"
#include "widgets/ui_JXAlertDialog.h"

#include <QMessageBox>
#include <QMouseEvent>

JXAlertDialog::JXAlertDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::JXAlertDialog)
{
    ui->setupUi(this);
    // Draw the rounded frame of the style sheet, not only its colour.
    setAttribute(Qt::WA_StyledBackground);
    // Frameless: dragged from where it really is (see KoWindowPosition).
    KoWindowPosition::syncOnActivation(this);
}

JXAlertDialog::~JXAlertDialog() = default;

int JXAlertDialog::question(QWidget *parent, const QString &title, const QString &message)
{
    return run(parent, title, message, true) == QDialog::Accepted ? QMessageBox::Ok : QMessageBox::Cancel;
}

void JXAlertDialog::information(QWidget *parent, const QString &title, const QString &message)
{
    run(parent, title, message, false);
}

int JXAlertDialog::run(QWidget *parent, const QString &title, const QString &message, bool withCancel)
{
    auto *dialog = new JXAlertDialog(parent);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ui->pushBtn_cancel->setVisible(withCancel);
    dialog->setTitle(title);
    dialog->setMessage(message);
    // As tall as the wrapped message needs (a long folder name, say), in
    // the font of the style sheet.
    dialog->ensurePolished();
    const int width = dialog->width();
    dialog->resize(width, qMax(dialog->height(), dialog->heightForWidth(width)));
    return dialog->exec();
}

void JXAlertDialog::setTitle(const QString &title)
{
    ui->label_title->setText(title);
}

QString JXAlertDialog::title() const
{
    return ui->label_title->text();
}

void JXAlertDialog::setMessage(const QString &message)
{
    ui->label_msg->setText(message);
}

QString JXAlertDialog::message() const
{
    return ui->label_msg->text();
}

void JXAlertDialog::on_pushBtn_ok_clicked()
{
    accept();
}

void JXAlertDialog::on_pushBtn_cancel_clicked()
{
    reject();
}

void JXAlertDialog::mousePressEvent(QMouseEvent *event)
{
    m_isPressed = true;
    m_lastMousePos = event->globalPos();
    QDialog::mousePressEvent(event);
}

void JXAlertDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_isPressed) {
        const QPoint current = event->globalPos();
        move(pos() + (current - m_lastMousePos));
        m_lastMousePos = current;
    }
    QDialog::mouseMoveEvent(event);
}

void JXAlertDialog::mouseReleaseEvent(QMouseEvent *event)
{
    m_isPressed = false;
    QDialog::mouseReleaseEvent(event);
}
