#pragma once

#include "controller/question.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// A question as a window-modal sheet: message, informative text, an optional text field, the
// confirm button and "Abbrechen". Finishes with Question::kConfirm or Question::kCancel.
class QuestionSheet : public QDialog
{
    Q_OBJECT

public:
    QuestionSheet(const Question &question, QWidget *parent);

    QString fieldText() const;
    // The text field, when the question has one.
    QLineEdit *field() const { return m_field; }

private:
    QLineEdit *m_field = nullptr;
};
