#pragma once

#include "ui/model/SurveyTable.h"

#include <QAbstractTableModel>

namespace tarrowin {

// The window model's survey table as a read-only Qt table: each cell's text,
// its sort value under SortRole, red where it fails, lined up by its column's
// alignment. Nothing here decides what a cell says.
class SectionSurveyModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole;

    explicit SectionSurveyModel(SurveyTable table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The designation of the section in the row, as the picker lists it.
    QString designation(int row) const;
    // The recommended row, or -1 when no section passes every check.
    int recommendedRow() const;
    // The column that ranks the sections by mass, the survey's own order.
    int massColumn() const;

private:
    SurveyTable table_;
};

}  // namespace tarrowin
