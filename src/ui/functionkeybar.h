#pragma once

#include "shortcuts/command.h"

#include <QAbstractButton>
#include <QWidget>

class BivaneState;
class QHBoxLayout;
class ThemedRoot;

// One key of the bar: the key cap with the action's current binding beside the action's label.
class FunctionKey : public QAbstractButton
{
    Q_OBJECT

public:
    FunctionKey(ShortcutAction action, const QString &label, QWidget *parent = nullptr);

    ShortcutAction action() const { return m_action; }
    QString keyText() const { return m_keyText; }
    void setKeyText(const QString &keyText);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The label as drawn: whole when it fits beside the cap, otherwise cut and ended with "…".
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int capWidth() const;
    QRect labelRect() const;

    const ShortcutAction m_action;
    QString m_keyText;
};

// The ten keys under the panes that run the common actions by mouse, shown while the theme's
// function bar setting is on. The caps follow the user's key bindings.
class FunctionKeyBar : public QWidget
{
    Q_OBJECT

public:
    FunctionKeyBar(BivaneState &state, ThemedRoot &themedRoot, QWidget *parent = nullptr);

    QList<FunctionKey *> keys() const { return m_keys; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showBindings();
    void shareWidth();
    void followTheme();

    BivaneState &m_state;
    ThemedRoot &m_themedRoot;
    QHBoxLayout *m_row;
    QList<FunctionKey *> m_keys;
};
