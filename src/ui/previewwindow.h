#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class PreviewImageView;
class PreviewLoader;
class QFormLayout;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QuickLookController;
struct PreviewContent;

// The quick preview: a window of its own that shows the controller's current item while the
// controller says it is visible, and hides when it says no more. Contents are read off the main
// thread and long lines shown in pieces, so a huge or slow file or a text without line breaks
// never freezes it. Every key press goes to the controller first;
// what it leaves, Page Up and Page Down among them, scrolls the text.
class PreviewWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewWindow(QuickLookController &controller, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void followVisibility();
    void followCurrentItem();
    void updateTitle();
    void showContent(const QString &path, const PreviewContent &content);
    void showFacts(const QString &path, const PreviewContent &content);
    void showNote(const QString &note);
    // Shows `text` in the text page, a slice at a time.
    void showText(const QString &text, const QFont &font);
    void appendTextSlice();
    void stopText();
    bool scrollText(int key);
    QSize imageBox() const;

    QPointer<QuickLookController> m_controller;
    PreviewLoader *m_loader;
    QString m_path; // the item shown or being read; empty while hidden
    QStackedWidget *m_pages;
    PreviewImageView *m_image;
    QPlainTextEdit *m_text;
    QWidget *m_facts;
    QLabel *m_icon;
    QLabel *m_name;
    QFormLayout *m_factRows;
    QLabel *m_error;
    QLabel *m_loading;
    QLabel *m_note;
    // A text with many lines goes into the page a slice at a time, so the window answers
    // meanwhile: what is still to come, and from where.
    QString m_textToCome;
    qsizetype m_textComesFrom = 0;
    QTimer m_textSlices;
    // The placeholder only appears when a read takes a while, so paging through quick
    // previews does not flicker.
    QTimer m_placeholderDelay;
};
