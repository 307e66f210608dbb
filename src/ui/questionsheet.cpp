#include "ui/questionsheet.h"

#include "platform/localization.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QuestionSheet::QuestionSheet(const Question &question, QWidget *parent)
    : QDialog(parent)
{
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("Bivane"));
    auto *layout = new QVBoxLayout(this);

    auto *message = new QLabel(question.message);
    QFont bold = message->font();
    bold.setBold(true);
    message->setFont(bold);
    message->setWordWrap(true);
    layout->addWidget(message);
    if (!question.informativeText.isEmpty()) {
        auto *informative = new QLabel(question.informativeText);
        informative->setWordWrap(true);
        layout->addWidget(informative);
    }
    if (question.fieldText) {
        m_field = new QLineEdit(*question.fieldText);
        m_field->setMinimumSize(280, 24);
        m_field->selectAll();
        layout->addWidget(m_field);
    }

    auto *buttons = new QDialogButtonBox;
    QPushButton *confirm = buttons->addButton(
        question.confirmTitle,
        question.destructive ? QDialogButtonBox::DestructiveRole : QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(question.cancelTitle.isEmpty() ? Bv::tr("Abbrechen")
                                                                            : question.cancelTitle,
                                             QDialogButtonBox::RejectRole);
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, [this] { done(Question::kConfirm); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(Question::kCancel); });
    layout->addWidget(buttons);

    // The field takes the keyboard when there is one, else the confirm button.
    if (m_field)
        m_field->setFocus();
    else
        confirm->setFocus();
}

QString QuestionSheet::fieldText() const
{
    return m_field ? m_field->text() : QString();
}
