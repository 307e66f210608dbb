#include "ui/erroralert.h"

#include "controller/bivanestate.h"
#include "platform/localization.h"

#include <QMessageBox>
#include <QPushButton>

ErrorAlert::ErrorAlert(BivaneState &state, QWidget &window)
    : QObject(&window)
    , m_state(state)
    , m_window(window)
{
    connect(&state, &BivaneState::errorMessageChanged, this, &ErrorAlert::followMessage);
    followMessage();
}

void ErrorAlert::followMessage()
{
    const QString message = m_state.errorMessage();
    if (message.isEmpty()) {
        if (m_alert)
            m_alert->close();
        return;
    }
    if (m_alert) {
        m_alert->setText(message);
        return;
    }
    auto *alert = new QMessageBox(&m_window);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::WindowModal);
    alert->setIcon(QMessageBox::Warning);
    alert->setWindowTitle(Bv::tr("Fehler"));
    // File names are shown as they are, never read as markup.
    alert->setTextFormat(Qt::PlainText);
    alert->setText(message);
    QPushButton *ok = alert->addButton(Bv::tr("OK"), QMessageBox::RejectRole);
    alert->setDefaultButton(ok);
    alert->setEscapeButton(ok);
    connect(alert, &QDialog::finished, this, [this] {
        m_alert = nullptr;
        m_state.setErrorMessage({});
    });
    m_alert = alert;
    alert->open();
}
