#include "ui/qt/SectionSurveyModel.h"

#include "sheet/FieldSheet.h"

#include <QColor>

namespace tarrowin {
namespace {

Qt::Alignment qtAlignment(SurveyTable::Alignment alignment)
{
    switch (alignment) {
    case SurveyTable::Alignment::Number: return Qt::AlignRight | Qt::AlignVCenter;
    case SurveyTable::Alignment::Word: return Qt::AlignCenter;
    case SurveyTable::Alignment::Text: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

SectionSurveyModel::SectionSurveyModel(SurveyTable table, QObject* parent)
    : QAbstractTableModel(parent), table_(std::move(table))
{
}

int SectionSurveyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(table_.rows.size());
}

int SectionSurveyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(table_.columns.size());
}

QVariant SectionSurveyModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SurveyTable::Cell& cell = table_.rows[std::size_t(index.row())].cells[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(cell.text);
    case SortRole: return cell.sortValue;
    case Qt::ForegroundRole:
        // The red of the overall message's failure.
        if (cell.fails)
            return QColor(red.red, red.green, red.blue);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(qtAlignment(table_.columns[std::size_t(index.column())].alignment));
    default: return {};
    }
}

QVariant SectionSurveyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return QString::fromStdString(table_.columns[std::size_t(section)].header);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString SectionSurveyModel::designation(int row) const
{
    return QString::fromStdString(table_.rows[std::size_t(row)].designation);
}

int SectionSurveyModel::recommendedRow() const
{
    return table_.recommendedRow ? int(*table_.recommendedRow) : -1;
}

int SectionSurveyModel::massColumn() const { return int(table_.massColumn); }

}  // namespace tarrowin
