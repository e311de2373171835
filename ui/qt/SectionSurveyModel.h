#pragma once

#include "survey/SectionSurvey.h"

#include <QAbstractTableModel>

namespace tarrowin {

// The rows of a section survey as a read-only table, one row a section in the
// survey's order (lightest first). Each cell shows what the window would show
// after picking that section and pressing 计算; a section whose calculation
// faulted shows what it reached and, in the last column, the fault.
//
// SortRole gives every cell a value that sorts as the engineer expects:
// numbers as numbers, designations in catalogue order, verdicts from 满足 to
// 不满足. A value that was never reached, or a ratio that is not a finite
// number, sorts beyond every number, as the worst case.
class SectionSurveyModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole;

    explicit SectionSurveyModel(SectionSurvey survey, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The designation of the section in the row, as the picker lists it.
    QString designation(int row) const;
    // The recommended row, or -1 when no section passes every check.
    int recommendedRow() const;
    // The column that ranks the sections by mass, the survey's own order.
    static int massColumn();

private:
    SectionSurvey survey_;
};

}  // namespace tarrowin
