#include "ui/document/DocumentController.h"

#include "files/FileProblemMessage.h"
#include "files/StringerFile.h"
#include "ui/document/ReportFile.h"
#include "report/output/ReportOutput.h"
#include "ui/model/FaultMessage.h"
#include "ui/model/WindowModel.h"

#include <QFile>
#include <QFileInfo>

#include <string_view>

namespace tarrowin {
namespace {

const std::string stringerFileFilter = "Tarrowin 钢梯斜梁文件 (*.tarrowin)";
// PDF first, the one most reports are; OpenDocument Text to edit in Word or WPS.
const std::string reportFileFilter = "PDF 文件 (*.pdf);;OpenDocument 文本 (*.odt)";

// Extensions as the file dialogs take them, without the dot.
std::string dialogSuffix(std::string_view extension) { return std::string(extension.substr(1)); }

// A path as messages show it: the file system's bytes decoded as Qt decodes
// file names, so that a name that is not UTF-8 reads the same everywhere.
QString qtPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray(path.c_str())); }
std::string shown(const std::filesystem::path& path) { return qtPath(path).toStdString(); }

std::filesystem::path absolutePath(const std::filesystem::path& path)
{
    return QFile::encodeName(QFileInfo(qtPath(path)).absoluteFilePath()).toStdString();
}

}  // namespace

DocumentController::DocumentController(WindowModel& model, Desktop& desktop) : model_(model), desktop_(desktop) {}

bool DocumentController::calculate()
{
    if (const auto fault = model_.calculate()) {
        desktop_.tell(MessageKind::Fault, faultMessageTitle(), faultMessageText(*fault));
        return false;
    }
    return true;
}

void DocumentController::open()
{
    if (!mayLeave())
        return;
    const std::filesystem::path chosen =
        desktop_.fileToOpen({"打开", stringerFileFilter, document_.path(), dialogSuffix(stringerFileExtension)});
    if (!chosen.empty())
        openFile(chosen);
}

bool DocumentController::openFile(const std::filesystem::path& path)
{
    const std::filesystem::path file = absolutePath(path);
    StringerFileReading reading = readStringerFile(file);
    if (reading.problem) {
        desktop_.tell(MessageKind::Warning, "无法打开文件", fileProblemMessageText(*reading.problem));
        return false;
    }
    model_.open(reading.file->stringer);
    document_.opened(file, model_.stringer(), std::move(reading.file->report), std::move(reading.file->otherKeys));
    return true;
}

bool DocumentController::save() { return document_.hasFile() ? saveTo(document_.path()) : saveAs(); }

bool DocumentController::saveAs()
{
    const std::filesystem::path chosen = desktop_.fileToSave(
        {"另存为", stringerFileFilter, document_.suggestedStringerPath(), dialogSuffix(stringerFileExtension)});
    const std::filesystem::path path = savePath(chosen, stringerFileExtension);
    return !path.empty() && saveTo(path);
}

bool DocumentController::saveTo(const std::filesystem::path& path)
{
    const Stringer stringer = model_.stringer();
    if (const auto problem =
            saveStringerFile(path, StringerFile{stringer, document_.reportHeader(), document_.otherKeys()})) {
        desktop_.tell(MessageKind::Warning, "无法保存文件", fileProblemMessageText(*problem));
        return false;
    }
    document_.saved(path, stringer);
    return true;
}

std::filesystem::path DocumentController::savePath(const std::filesystem::path& chosen, std::string_view extension)
{
    if (chosen.empty())
        return {};
    const std::filesystem::path path = withExtension(chosen, extension);
    // The dialog asked about the name as typed; a file under the name with
    // the extension is asked about here.
    if (path != chosen && QFileInfo::exists(qtPath(path))
        && desktop_.ask({"确认替换", "文件“" + shown(path) + "”已存在。要替换它吗？", "替换", "取消", {}})
               != Answer::Yes)
        return {};
    return path;
}

bool DocumentController::mayLeave()
{
    if (!document_.offersToSave(model_.stringer()))
        return true;
    const Question offer{"保存更改", "“" + shown(document_.path().filename()) + "”中的钢梯斜梁已更改。要保存更改吗？",
                         "保存", "不保存", "取消"};
    switch (desktop_.ask(offer)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

bool DocumentController::takesDrop(const std::vector<std::filesystem::path>& dragged)
{
    // A name ending in the extension, in any case, is one that needs none added.
    return dragged.size() == 1 && !dragged.front().empty()
           && withExtension(dragged.front(), stringerFileExtension) == dragged.front();
}

void DocumentController::drop(const std::filesystem::path& path)
{
    if (mayLeave())
        openFile(path);
}

void DocumentController::makeReport()
{
    // The same calculation as the button's, so that the report and the
    // window show the same; a fault ends it with the button's message.
    if (!calculate())
        return;

    const LocalDateTime now = model_.now();
    const CalendarDate today{now.year, now.month, now.day};
    std::optional<ReportHeader> header = desktop_.reportHeader(document_.reportHeader(), calendarDateText(today));
    if (!header)
        return;
    // Kept even if no report follows, and written into the file at the next save.
    document_.keepReportHeader(std::move(*header));

    const std::filesystem::path chosen = desktop_.fileToSave(
        {"保存计算书", reportFileFilter, document_.suggestedReportPath(), dialogSuffix(reportFileExtension)});
    // A name that ends in .odt asks for the editable copy; any other is a PDF.
    const bool editable = reportFormatOf(chosen) == ReportFormat::Odt;
    const std::filesystem::path path = savePath(chosen, editable ? ".odt" : reportFileExtension);
    if (path.empty())
        return;

    const Stringer stringer = model_.stringer();
    const ReportRequest request{stringer, document_.reportHeader(), document_.reportFileName(stringer), today};
    if (const auto error = writeReportFile(request, path)) {
        desktop_.tell(MessageKind::Warning, "未生成计算书", *error);
        return;
    }
    offerToShowReport(path);
}

void DocumentController::offerToShowReport(const std::filesystem::path& path)
{
    if (desktop_.ask({"计算书", "计算书已保存为“" + shown(path) + "”。要现在打开它吗？", "打开", "不打开", {}})
        != Answer::Yes)
        return;
    if (!desktop_.showFile(path))
        desktop_.tell(MessageKind::Information, "计算书",
                      "没有能打开“" + shown(path) + "”的程序。计算书已保存，可用 PDF 阅读器打开。");
}

}  // namespace tarrowin
