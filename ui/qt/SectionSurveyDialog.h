#pragma once

#include "ui/model/SurveyTable.h"

#include <QDialog>

class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace tarrowin {

class SectionSurveyModel;

// 截面优选: every catalogue section checked for the flight, loads and grade on
// show, lightest first, the recommended one selected. A line above the table
// repeats what the survey was computed for and names the recommendation (or
// says that no section passes). 选用, Enter or a double click on a row choose
// that section and close the dialog; Escape and 关闭 close it choosing nothing.
class SectionSurveyDialog : public QDialog {
    Q_OBJECT

public:
    // The survey as the window model lays it out, lines above the table included.
    explicit SectionSurveyDialog(SurveyTable table, QWidget* parent = nullptr);

signals:
    // The user chose the section of this designation.
    void sectionChosen(const QString& designation);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTable();
    void selectRecommendation();
    void fitTable();
    void chooseSelected();
    void chooseRow(int shownRow);

    SectionSurveyModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
};

}  // namespace tarrowin
