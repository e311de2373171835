#include "ui/qt/ReportHeaderDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace tarrowin {
namespace {

struct HeaderEntry {
    std::string ReportHeader::*text;
    const char* name;   // the box's object name
    const char* label;  // its caption and its name for a screen reader
};

constexpr std::array<HeaderEntry, 6> headerEntries = {{
    {&ReportHeader::project, "project", "工程名称"},
    {&ReportHeader::member, "member", "构件"},
    {&ReportHeader::designer, "designer", "设计"},
    {&ReportHeader::checker, "checker", "校对"},
    {&ReportHeader::reviewer, "reviewer", "审核"},
    {&ReportHeader::date, "date", "日期"},
}};

}  // namespace

ReportHeaderDialog::ReportHeaderDialog(const ReportHeader& header, const QString& today, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ReportHeaderDialog"));
    setWindowTitle(QStringLiteral("计算书"));
    setAccessibleName(QStringLiteral("计算书页眉"));

    auto* form = new QFormLayout;
    for (std::size_t entry = 0; entry < headerEntries.size(); ++entry) {
        const HeaderEntry& row = headerEntries[entry];
        auto* box = new QLineEdit(QString::fromStdString(header.*row.text), this);
        box->setObjectName(QLatin1String(row.name));
        box->setAccessibleName(QString::fromUtf8(row.label));
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
        form->addRow(QString::fromUtf8(row.label), box);
        boxes_[entry] = box;
    }
    boxes_.back()->setPlaceholderText(today);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* accept = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    accept->setObjectName(QStringLiteral("acceptButton"));
    accept->setAccessibleName(QStringLiteral("确定，选择计算书的保存位置"));
    accept->setDefault(true);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(QStringLiteral("取消，不生成计算书"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

ReportHeader ReportHeaderDialog::header() const
{
    ReportHeader header;
    for (std::size_t entry = 0; entry < headerEntries.size(); ++entry)
        header.*headerEntries[entry].text = boxes_[entry]->text().toStdString();
    return header;
}

}  // namespace tarrowin
