#include "files/FileProblemMessage.h"

#include "catalogue/SteelGrades.h"
#include "files/StringerFile.h"

#include <cerrno>

namespace tarrowin {
namespace {

std::string quoted(const std::string& text) { return "“" + text + "”"; }

std::string gradeNames()
{
    std::string names;
    for (const SteelGrade& grade : steelGrades())
        names += (names.empty() ? "" : "、") + std::string(grade.name);
    return names;
}

}  // namespace

std::string systemReasonText(const FileProblem& problem)
{
    switch (problem.systemError) {
    case ENOENT: return "文件或其所在的文件夹不存在";
    case EACCES:
    case EPERM: return "没有访问权限";
    case ENOSPC:
    case EDQUOT: return "磁盘空间不足";
    case EROFS: return "文件系统是只读的";
    case EISDIR: return "这是一个文件夹，不是文件";
    case EFBIG: return "文件太大";
    default: break;
    }
    return "系统提示：" + problem.subject;
}

namespace {

std::string whatIsWrong(const FileProblem& problem)
{
    const std::string& subject = problem.subject;
    switch (problem.kind) {
    case FileProblemKind::CannotRead: return "无法读取（" + systemReasonText(problem) + "）。";
    case FileProblemKind::IsAFolder: return "这是一个文件夹，不是文件。";
    // QSaveFile replaces the file only once everything is written.
    case FileProblemKind::CannotSave: return "无法保存（" + systemReasonText(problem) + "）。原有的同名文件保持不变。";
    case FileProblemKind::TextNotUtf8: return "无法保存：" + quoted(subject) + "的文字不是有效的 UTF-8 编码。";
    case FileProblemKind::NotJson: return "不是有效的 JSON 格式。";
    case FileProblemKind::NotAStringerFile: return "不是 Tarrowin 钢梯斜梁文件。";
    case FileProblemKind::NewerVersion:
        return "由更新版本的 Tarrowin 保存（文件格式版本 " + subject + "），本程序只能读取文件格式版本 "
               + std::to_string(stringerFileVersion) + "。";
    case FileProblemKind::InvalidVersion: return "文件格式版本“version”无效，应为不小于 1 的整数。";
    case FileProblemKind::MissingKey: return "缺少" + quoted(subject) + "。";
    case FileProblemKind::DuplicateKey: return quoted(subject) + "重复出现；同一对象中每个键只能出现一次。";
    case FileProblemKind::NotAText: return quoted(subject) + "的值应为文本（用双引号括起）。";
    case FileProblemKind::NotAnObject: return quoted(subject) + "的值应为对象（用花括号括起）。";
    case FileProblemKind::UnknownGrade: return "未知的材质" + quoted(subject) + "（可选的材质为 " + gradeNames() + "）。";
    case FileProblemKind::Other: break;
    }
    return problem.what;
}

}  // namespace

std::string fileProblemMessageText(const FileProblem& problem)
{
    std::string where;
    if (problem.line > 0) {
        where = "第 " + std::to_string(problem.line) + " 行";
        if (problem.column > 0)
            where += "第 " + std::to_string(problem.column) + " 列";
    }
    return "文件" + quoted(problem.file) + where + "：" + whatIsWrong(problem);
}

}  // namespace tarrowin
