#include "ui/qt/SectionSurveyModel.h"

#include "catalogue/SectionCatalogue.h"
#include "check/Checks.h"
#include "check/StringerCheck.h"
#include "check/Verdict.h"
#include "ui/model/FaultMessage.h"

#include <QColor>

#include <array>
#include <limits>

namespace tarrowin {
namespace {

enum class Shows { Designation, Mass, Result, Verdict, Ratio, Remark };

struct Column {
    Shows shows;
    const char* header;
    Quantity result = Quantity::BendingStress;  // for a result
    const Check* check = nullptr;               // for a verdict or a ratio
};

// The section, then each check as its result, verdict and utilisation (the
// deflection with the allowable deflection it is judged against), then the
// recommendation or the fault.
constexpr std::array columns{
    Column{.shows = Shows::Designation, .header = "截面"},
    Column{.shows = Shows::Mass, .header = "每米质量\nkg/m"},
    Column{.shows = Shows::Result, .header = "正应力\nN/mm2", .result = Quantity::BendingStress},
    Column{.shows = Shows::Verdict, .header = "正应力\n验算", .check = &checks[0]},
    Column{.shows = Shows::Ratio, .header = "正应力\n利用率", .check = &checks[0]},
    Column{.shows = Shows::Result, .header = "剪应力\nN/mm2", .result = Quantity::ShearStress},
    Column{.shows = Shows::Verdict, .header = "剪应力\n验算", .check = &checks[1]},
    Column{.shows = Shows::Ratio, .header = "剪应力\n利用率", .check = &checks[1]},
    Column{.shows = Shows::Result, .header = "挠度\nmm", .result = Quantity::Deflection},
    Column{.shows = Shows::Result, .header = "允许挠度\nmm", .result = Quantity::AllowableDeflection},
    Column{.shows = Shows::Verdict, .header = "挠度\n验算", .check = &checks[2]},
    Column{.shows = Shows::Ratio, .header = "挠度\n利用率", .check = &checks[2]},
    Column{.shows = Shows::Remark, .header = "备注"},
};

constexpr double beyondEveryNumber = std::numeric_limits<double>::infinity();

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString cellText(const SurveyRow& row, const Column& column)
{
    switch (column.shows) {
    case Shows::Designation: return fromUtf8(row.section->designation);
    case Shows::Mass: return fromUtf8(row.massText);
    case Shows::Result: return fromUtf8(row.check.text(column.result));
    case Shows::Verdict:
        if (const auto verdict = row.check.verdict(*column.check))
            return fromUtf8(verdictWord(*verdict));
        return {};
    case Shows::Ratio:
        // A check that the run never reached has no ratio to show, not even "-".
        if (row.check.verdict(*column.check))
            return fromUtf8(utilisationText(row.check.utilisation(*column.check)));
        return {};
    case Shows::Remark:
        if (row.recommended)
            return QStringLiteral("推荐");
        if (const auto& fault = row.check.fault())
            return fromUtf8(faultSummaryInChinese(*fault));
        return {};
    }
    return {};
}

QVariant sortValue(const SurveyRow& row, const Column& column)
{
    switch (column.shows) {
    case Shows::Designation: return qlonglong(row.section - sectionCatalogue().data());
    case Shows::Mass: return row.section->mass;
    case Shows::Result:
        if (row.check.text(column.result).empty())
            return beyondEveryNumber;
        return row.check.outcome().values.*resultOf(column.result).value;
    case Shows::Verdict:
        if (const auto verdict = row.check.verdict(*column.check))
            return *verdict == Verdict::Satisfied ? 0 : 1;
        return 2;
    case Shows::Ratio: return row.check.utilisation(*column.check).value_or(beyondEveryNumber);
    case Shows::Remark: return row.recommended ? 0 : row.check.fault() ? 2 : 1;
    }
    return {};
}

// What fails is drawn in the red of the overall message's failure.
bool fails(const SurveyRow& row, const Column& column)
{
    switch (column.shows) {
    case Shows::Verdict: return row.check.verdict(*column.check) == Verdict::NotSatisfied;
    case Shows::Ratio: return row.check.utilisation(*column.check) > 1.0;
    case Shows::Remark: return row.check.fault().has_value();
    default: return false;
    }
}

Qt::Alignment alignment(const Column& column)
{
    switch (column.shows) {
    case Shows::Mass:
    case Shows::Result:
    case Shows::Ratio: return Qt::AlignRight | Qt::AlignVCenter;
    case Shows::Verdict: return Qt::AlignCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

SectionSurveyModel::SectionSurveyModel(SectionSurvey survey, QObject* parent)
    : QAbstractTableModel(parent), survey_(std::move(survey))
{
}

int SectionSurveyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(survey_.rows.size());
}

int SectionSurveyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns.size());
}

QVariant SectionSurveyModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SurveyRow& row = survey_.rows[std::size_t(index.row())];
    const Column& column = columns[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return cellText(row, column);
    case SortRole: return sortValue(row, column);
    case Qt::ForegroundRole:
        if (fails(row, column))
            return QColor(red.red, red.green, red.blue);
        return {};
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignment(column));
    default: return {};
    }
}

QVariant SectionSurveyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < int(columns.size()))
        return QString::fromUtf8(columns[std::size_t(section)].header);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString SectionSurveyModel::designation(int row) const
{
    return fromUtf8(survey_.rows[std::size_t(row)].section->designation);
}

int SectionSurveyModel::recommendedRow() const
{
    for (std::size_t row = 0; row < survey_.rows.size(); ++row)
        if (survey_.rows[row].recommended)
            return int(row);
    return -1;
}

int SectionSurveyModel::massColumn()
{
    for (std::size_t column = 0; column < columns.size(); ++column)
        if (columns[column].shows == Shows::Mass)
            return int(column);
    return -1;
}

}  // namespace tarrowin
