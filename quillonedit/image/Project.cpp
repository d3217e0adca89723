#include "quillonedit/image/Project.h"

#include "quillonedit/image/ImageMap.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace quillon {

namespace {

using Pages = std::array<std::uint8_t, kImageBytes>;

const QString kLineBreak = QStringLiteral("\n");

QString pageFileName(const QString& base, int k)
{
    return base + QStringLiteral(".00%1").arg(k);
}

void takeSnapshot()
{
    ProjectState& p = project();
    std::copy_n(image().bytes().begin(), kImageBytes, p.Saved.begin());
    p.ChecksumBaseline = BufferChecksum();
}

void reportOpenInvalid(const QString& file)
{
    platform::msgBox(QStringLiteral("ERROR, File  ") + file + QStringLiteral(" Invalid"), platform::MsgButtons::OK,
                     platform::MsgIcon::Exclamation, QStringLiteral("File Open"));
}

void reportNotSaved(const QString& file)
{
    platform::msgBox(QStringLiteral("ERROR, File ") + file + QStringLiteral(" Not Saved"), platform::MsgButtons::OK,
                     platform::MsgIcon::Exclamation, QStringLiteral("File Save"));
}

// The file a page name stands for: a symbolic link is followed (links to links too), so saving
// writes through it instead of replacing the link with a plain file. Empty for a loop of links.
QString pageTarget(const QString& file)
{
    QString path = QFileInfo(file).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            return path;
        path = info.symLinkTarget();
    }
    return {};
}

// A page the user has protected: not writable for this user, or without its owner's write bit
// (a file manager's "read-only", which root would otherwise override).
bool isProtected(const QFileInfo& target)
{
    return target.exists() && (!target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner));
}

// Reads one page file into `page`; shows the fitting message and returns false when it cannot.
bool readPage(const QString& file, int k, std::uint8_t* page)
{
    const QFileInfo info(file);
    if (!info.exists() || (k == 1 && !info.isFile())) {
        if (k == 1) {
            // Without its first page there is no project at all.
            platform::msgBox(QStringLiteral("Quillon File Open Error!") + kLineBreak + QStringLiteral("File May Be Missing"),
                             platform::MsgButtons::OK, platform::MsgIcon::Critical, QStringLiteral("Quillon File Open"));
        } else {
            reportOpenInvalid(file);
        }
        return false;
    }
    if (!info.isFile()) {
        reportOpenInvalid(file);
        return false;
    }
    if (info.size() != kPageBytes) {
        platform::msgBox(QStringLiteral("ERROR, File Size ") + file + QStringLiteral(" Invalid"), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, QStringLiteral("File Open"));
        return false;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)
        || in.read(reinterpret_cast<char*>(page), kPageBytes) != kPageBytes) {
        reportOpenInvalid(file);
        return false;
    }
    return true;
}

} // namespace

ProjectState& project()
{
    static ProjectState state;
    return state;
}

void resetProject()
{
    project() = ProjectState{};
}

std::int32_t BufferChecksum()
{
    const auto& b = image().bytes();
    return std::accumulate(b.begin(), b.begin() + kImageBytes, std::int32_t{0});
}

bool ImageChanged()
{
    const auto& b = image().bytes();
    return !std::equal(project().Saved.begin(), project().Saved.end(), b.begin());
}

void GetFileIn(const QString& name, bool& ok, ProjectHost& /*host*/)
{
    ok = false;
    const QString base = name.chopped(std::min<qsizetype>(4, name.size()));
    // All eight pages are read before anything changes, so a failed open leaves the current
    // project (image, names, baseline) exactly as it was.
    auto pages = std::make_unique<Pages>();
    for (int k = 1; k <= kPageCount; ++k) {
        if (!readPage(pageFileName(base, k), k, pages->data() + pageOffset(k)))
            return;
    }
    std::copy(pages->begin(), pages->end(), image().bytes().begin());
    project().ProjectBasePath = base;
    ok = true;
}

bool ProcessOpen(const QString& name, ProjectHost& host)
{
    // The whole ".001" ending is required: "proj001" would otherwise open "pro.001".
    if (!name.endsWith(QStringLiteral(".001"))) {
        platform::msgBox(QStringLiteral("Error, Incorrect Quillon Project"), platform::MsgButtons::OK,
                         platform::MsgIcon::Exclamation, QStringLiteral("File Error"));
        host.setBusy(false);
        return false;
    }
    host.setBusy(true);
    bool ok = false;
    GetFileIn(name, ok, host);
    if (!ok) {
        host.setBusy(false);
        return false;
    }
    host.setStatusPanel(1, name + QStringLiteral(" "));
    host.processFileList(name);
    host.setBusy(false);
    ProjectState& p = project();
    p.ProjectOpen = true;
    host.enableProjectMenus();
    takeSnapshot();
    p.ProjectFileName = name;
    return true;
}

bool CheckFileName(const QString& name)
{
    // Only checks: the base path is taken over once the save has really gone ahead.
    if (name.endsWith(QStringLiteral(".001")))
        return true;
    platform::msgBox(QStringLiteral("Error, Filename must contain the extension .001."), platform::MsgButtons::OK,
                     platform::MsgIcon::Critical, QStringLiteral("File Save Error"));
    return false;
}

bool CheckClosure()
{
    const int b = image().at(kBaseZones) & 7;
    if (b == 1)
        return true;
    QString text;
    if ((b & 1) == 0)
        text += QStringLiteral("Repeater Transmitter Disabled");
    if (b & 2)
        text += kLineBreak + QStringLiteral("Repeater CTCSS Enabled");
    if (b & 4)
        text += kLineBreak + QStringLiteral("Repeater DTMF Access Enabled");
    text += kLineBreak + QStringLiteral("Save Anyway?");
    return platform::msgBox(text, platform::MsgButtons::YesNo, platform::MsgIcon::Exclamation,
                            QStringLiteral("File Save Alert"), platform::MsgDefault::Second)
        == platform::MsgResult::Yes;
}

bool SaveAllFiles(const QString& base)
{
    // Every target is checked before anything is written: a protected page or one whose name is
    // taken by a folder fails the whole save, and nothing is replaced.
    QStringList targets;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QString real = pageTarget(file);
        const QFileInfo target(real);
        if (real.isEmpty() || (target.exists() && !target.isFile()) || isProtected(target)) {
            reportNotSaved(file);
            return false;
        }
        targets << real;
    }
    // Every page goes to a temporary file beside its target first; the targets are replaced only
    // when all eight were written, so a failure never leaves a mixed project behind.
    std::vector<std::unique_ptr<QTemporaryFile>> temps;
    for (int k = 1; k <= kPageCount; ++k) {
        const QString file = pageFileName(base, k);
        const QFileInfo target(targets[k - 1]);
        auto temp = std::make_unique<QTemporaryFile>(target.filePath() + QStringLiteral(".XXXXXX"));
        const char* page = reinterpret_cast<const char*>(image().bytes().data() + pageOffset(k));
        if (!temp->open() || temp->write(page, kPageBytes) != kPageBytes || !temp->flush()) {
            reportNotSaved(file);
            return false;
        }
        temp->setPermissions(target.exists() ? target.permissions()
                                             : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        temp->close();
        temps.push_back(std::move(temp));
    }
    for (int k = 1; k <= kPageCount; ++k) {
        QTemporaryFile& temp = *temps[static_cast<std::size_t>(k - 1)];
        // rename() replaces the target in one step; QFile::rename would refuse an existing file.
        if (std::rename(QFile::encodeName(temp.fileName()).constData(),
                        QFile::encodeName(targets[k - 1]).constData()) != 0) {
            reportNotSaved(pageFileName(base, k));
            return false;
        }
        temp.setAutoRemove(false);
    }
    return true;
}

void mnuOpen_Click(ProjectHost& host, const QString& startFolder)
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Quillon File(s) *.001|*.001");
    request.filterIndex = 1;
    request.initialDir = startFolder;
    const std::optional<QString> name = platform::services().fileDialogs->openFile(request);
    if (!name)
        return;
    ProcessOpen(*name, host);
}

bool mnuSave_Click(ProjectHost& host)
{
    ProjectState& p = project();
    if (!p.ProjectOpen)
        return false;
    if (!CheckClosure())
        return false;
    host.setBusy(true);
    const bool saved = SaveAllFiles(p.ProjectBasePath);
    host.setBusy(false);
    if (saved)
        takeSnapshot();
    return saved;
}

bool mnuSaveAs_Click(ProjectHost& host)
{
    platform::FileDialogRequest request;
    request.filter = QStringLiteral("Quillon File(s) *.001)|*.001");
    request.filterIndex = 1;
    request.overwritePrompt = true;
    const std::optional<QString> chosen = platform::services().fileDialogs->saveFile(request);
    if (!chosen)
        return false;
    const QString name = *chosen;
    if (!CheckFileName(name))
        return false;
    if (!CheckClosure())
        return false;
    const QString base = name.chopped(4);
    host.setBusy(true);
    if (!SaveAllFiles(base)) {
        host.setBusy(false);
        return false;
    }
    ProjectState& p = project();
    p.ProjectBasePath = base;
    p.ProjectOpen = true;
    host.enableSaveMenu();
    takeSnapshot();
    p.ProjectFileName = name;
    host.setStatusPanel(1, name + QStringLiteral(" "));
    host.processFileList(name);
    host.setBusy(false);
    return true;
}

void Timer1_Timer(ProjectHost& host)
{
    host.setStatusPanel(2, ImageChanged() ? QStringLiteral("Mod") : QString());
}

} // namespace quillon
