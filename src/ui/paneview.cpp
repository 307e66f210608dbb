#include "paneview.h"

#include "bivanestate.h"
#include "localization.h"
#include "panemodel.h"
#include "panetablemodel.h"
#include "pathcodec.h"
#include "questionsheet.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

PaneView::PaneView(BivaneState &state, PaneModel &pane, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_pane(pane)
    , m_path(new QLabel)
    , m_table(new QTableView)
    , m_model(new PaneTableModel(&pane, this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_path);
    layout->addWidget(m_table);
    // The status line: work going on in the background for this pane.
    auto *status = new QLabel;
    layout->addWidget(status);
    const auto showStatus = [this, status] {
        status->setText(m_pane.activityText());
        status->setVisible(!m_pane.activityText().isEmpty());
    };
    connect(&pane, &PaneModel::activityTextChanged, this, showStatus);
    showStatus();

    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setColumnWidth(0, 280);

    const auto showPath = [this] {
        const QString error = m_pane.errorMessage();
        m_path->setText(PathCodec::displayText(m_pane.url()) +
                        (error.isNull() ? QString() : QStringLiteral("  —  ") + error));
    };
    connect(&pane, &PaneModel::urlChanged, this, showPath);
    connect(&pane, &PaneModel::errorMessageChanged, this, showPath);
    showPath();

    connect(&pane, &PaneModel::selectionChanged, this, &PaneView::showPaneSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &PaneView::showPaneSelection);
    connect(m_table->selectionModel(),
            &QItemSelectionModel::selectionChanged,
            this,
            &PaneView::takeTableSelection);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        m_pane.setSelection({m_model->itemAt(index.row()).url});
        m_state.perform(ShortcutAction::open);
    });
    connect(&pane, &PaneModel::isRenamingChanged, this, &PaneView::showRenameDialog);
    showPaneSelection();
}

// Stands in for renaming inside the list: a small sheet with the name to edit.
void PaneView::showRenameDialog()
{
    if (!m_pane.isRenaming())
        return;
    Question question;
    question.message = Bv::tr("Umbenennen");
    question.confirmTitle = Bv::tr("Umbenennen");
    question.fieldText = m_pane.renameText();
    auto *sheet = new QuestionSheet(question, window());
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::finished, this, [this, sheet](int result) {
        if (result == Question::kConfirm) {
            m_pane.setRenameText(sheet->fieldText());
            m_state.commitRename(m_pane);
        }
        m_pane.setIsRenaming(false);
    });
    sheet->open();
}

void PaneView::showPaneSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    const QSet<QString> selected = m_pane.selection();
    QItemSelection rows;
    int firstRow = -1;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!selected.contains(m_model->itemAt(row).url))
            continue;
        rows.select(m_model->index(row, 0), m_model->index(row, m_model->columnCount() - 1));
        if (firstRow < 0)
            firstRow = row;
    }
    QItemSelectionModel *selection = m_table->selectionModel();
    selection->select(rows, QItemSelectionModel::ClearAndSelect);
    if (firstRow >= 0) {
        selection->setCurrentIndex(m_model->index(firstRow, 0), QItemSelectionModel::NoUpdate);
        m_table->scrollTo(m_model->index(firstRow, 0));
    }
    m_syncing = false;
}

void PaneView::takeTableSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    QSet<QString> selected;
    for (const QModelIndex &row : m_table->selectionModel()->selectedRows())
        selected.insert(m_model->itemAt(row.row()).url);
    m_pane.setSelection(selected);
    m_syncing = false;
}
