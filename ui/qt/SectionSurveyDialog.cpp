#include "ui/qt/SectionSurveyDialog.h"

#include "ui/qt/SectionSurveyModel.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace tarrowin {
namespace {

QLabel* plainLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // The inputs are the user's text: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    return label;
}

}  // namespace

SectionSurveyDialog::SectionSurveyDialog(SurveyTable table, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SectionSurveyDialog"));
    setWindowTitle(QStringLiteral("截面优选"));
    setAccessibleName(QStringLiteral("截面优选"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(QString::fromStdString(table.basisLine), "surveyBasis", this));
    layout->addWidget(plainLabel(QString::fromStdString(table.conclusionLine), "surveyConclusion", this));
    model_ = new SectionSurveyModel(std::move(table), this);

    buildTable();
    layout->addWidget(table_, 1);

    auto* buttons = new QDialogButtonBox(this);
    chooseButton_ = buttons->addButton(QStringLiteral("选用"), QDialogButtonBox::AcceptRole);
    chooseButton_->setObjectName(QStringLiteral("chooseButton"));
    chooseButton_->setAccessibleName(QStringLiteral("选用所选截面"));
    // Enter anywhere in the dialog but on 关闭 chooses.
    chooseButton_->setDefault(true);
    QPushButton* closeButton = buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAccessibleName(QStringLiteral("关闭截面优选"));
    layout->addWidget(buttons);

    connect(chooseButton_, &QPushButton::clicked, this, &SectionSurveyDialog::chooseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { chooseRow(index.row()); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { chooseButton_->setEnabled(table_->selectionModel()->hasSelection()); });

    selectRecommendation();
    chooseButton_->setEnabled(table_->selectionModel()->hasSelection());
    fitTable();
    table_->setFocus(Qt::OtherFocusReason);
}

void SectionSurveyDialog::buildTable()
{
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SectionSurveyModel::SortRole);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("surveyTable"));
    table_->setAccessibleName(QStringLiteral("各截面验算结果"));
    table_->setModel(sorted_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the buttons; the arrow keys move between rows.
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->verticalHeader()->hide();
    // Rows as high as their text needs, not the style's roomy default.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The survey's own order, lightest first, shown as a sort by mass.
    table_->horizontalHeader()->setSortIndicator(model_->massColumn(), Qt::AscendingOrder);
    table_->setSortingEnabled(true);
}

void SectionSurveyDialog::selectRecommendation()
{
    const int row = model_->recommendedRow();
    if (row < 0)
        return;
    const QModelIndex shown = sorted_->mapFromSource(model_->index(row, 0));
    table_->selectionModel()->setCurrentIndex(shown,
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(shown);
}

void SectionSurveyDialog::fitTable()
{
    // Every column and every row in view at once where the screen has room
    // for them, and never a dialog larger than the screen's free area: the
    // table gives up what does not fit, and only then shows scroll bars.
    table_->resizeColumnsToContents();
    const int frame = 2 * table_->frameWidth();
    const QSize whole(table_->horizontalHeader()->length() + frame,
                      table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length() + frame);
    table_->setMinimumSize(whole);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The window manager's frame around the dialog, as it draws it around the window.
    const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    const QSize decoration = window && window->isVisible() ? window->frameGeometry().size() - window->size() : QSize();
    const QSize room = screen->availableGeometry().size() - decoration;
    const QSize wanted = sizeHint();
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        return;
    // Too little room: the table gives up what is missing, and a scroll bar
    // that then shows takes its room from the table too.
    const QSize around = wanted - whole;
    const int scrollBar = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table_);
    QSize table = whole;
    if (wanted.height() > room.height()) {
        table.setHeight(room.height() - around.height());
        table.rwidth() += scrollBar;
    }
    if (table.width() + around.width() > room.width())
        table.setWidth(room.width() - around.width());
    table_->setMinimumSize(table.expandedTo(QSize(0, 0)));
    setMaximumSize(room);
}

void SectionSurveyDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only now has the table its size: the selected row is brought into
    // view, the first row's top under the header when it is the one.
    if (const QModelIndex current = table_->currentIndex(); current.isValid())
        table_->scrollTo(current, QAbstractItemView::EnsureVisible);
}

void SectionSurveyDialog::chooseSelected()
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        chooseRow(rows.first().row());
}

void SectionSurveyDialog::chooseRow(int shownRow)
{
    const int row = sorted_->mapToSource(sorted_->index(shownRow, 0)).row();
    if (row < 0)
        return;
    emit sectionChosen(model_->designation(row));
    accept();
}

}  // namespace tarrowin
