#pragma once

#include "stringer/ReportHeader.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace tarrowin {

// 计算书: the report's header as the engineer fills it in before the report
// is made: 工程名称, 构件, 设计, 校对, 审核 and 日期, each a line of text that
// may stay empty. An empty 日期 stands for the day the report is made, which
// the box shows greyed.
class ReportHeaderDialog : public QDialog {
    Q_OBJECT

public:
    // Starts at the header given; `today` is the date an empty 日期 means.
    ReportHeaderDialog(const ReportHeader& header, const QString& today, QWidget* parent = nullptr);

    // The header as the boxes hold it now.
    ReportHeader header() const;

private:
    std::array<QLineEdit*, 6> boxes_{};
};

}  // namespace tarrowin
