// One transfer of tst_faults in a process of its own, which may put the host folder on a small
// file system of its own and drop its privileges before Qt starts any thread. It starts the
// window, unticks "Blackwood  5 clés" (Check1(9)), transfers, reloads, and writes what it saw
// to its output as a QVariantMap.
//
// Arguments: the file holding the host text, the host folder, the current folder, the size in
// KiB of the host folder's own file system (0: none), 1 when the host file may be written by
// everyone, 1 to run as an unprivileged user.
#include "form1.h"
#include "layout_table.h"
#include "message_box.h"
#include "test_files.h"
#include "tri_state_check_box.h"

#include <QApplication>
#include <QDataStream>

#include <cerrno>
#include <cstdlib>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr uid_t nobody = 65534;

struct Setup {
    QString textFile;
    QString hostFolder;
    QString cwd;
    int tmpfsKiB = 0;
    bool hostWritable = false;
    bool unprivileged = false;

    QString host() const { return hostFolder + u"/vornelle.ini"_s; }
};

// The machine would not allow the fault: the test is skipped with this reason.
QVariantMap refused(const char* what) {
    return {{u"skipped"_s, u"%1: %2"_s.arg(QLatin1StringView(what), qt_error_string(errno))}};
}

QVariantMap failure(const char* what) {
    return {{u"error"_s, QLatin1StringView(what)}};
}

bool mountSmallFileSystem(const Setup& s) {
    const QByteArray folder = QFile::encodeName(s.hostFolder);
    const QByteArray options = "mode=0755,size=" + QByteArray::number(s.tmpfsKiB) + 'k';
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", folder.constData(), "tmpfs", 0, options.constData()) == 0;
}

// A user whom permission bits stop. The process stays traceable, for the leak checker.
bool becomeUnprivileged() {
    return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0 &&
           prctl(PR_SET_DUMPABLE, 1) == 0;
}

// Puts the host file in place under the faults asked for; empty when all went well.
QVariantMap prepare(const Setup& s) {
    const QByteArray text = fileBytes(s.textFile);
    if (s.tmpfsKiB > 0 && !mountSmallFileSystem(s))
        return refused("no file system of its own for the host folder");
    if (!putFile(s.host(), text) ||
        chmod(QFile::encodeName(s.host()).constData(), s.hostWritable ? 0666 : 0644) != 0)
        return failure("cannot write the host file");
    if (s.unprivileged && !becomeUnprivileged())
        return refused("cannot become an unprivileged user");
    return {};
}

QVariantMap transfer(const Setup& s) {
    Form1 form(s.host(), QDir(s.cwd));
    if (form.startUp())
        return failure("start-up failed");
    auto* blackwood = form.control<TriStateCheckBox>(memberName("Check1", 9));
    blackwood->setValue(0);
    QVariantMap report;
    report[u"message"_s] = messageDuring([&form] { form.transferToHost(); });
    report[u"host"_s] = fileBytes(s.host());
    report[u"copy"_s] = fileBytes(s.cwd + u"/Vnlini.vne"_s);
    report[u"hostFolder"_s] = folderEntries(s.hostFolder);
    report[u"folder"_s] = folderEntries(s.cwd);
    blackwood->setValue(1);
    report[u"reloaded"_s] = !form.loadWorkingCopy() && blackwood->value() == 0;
    return report;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7)
        return 2;
    const Setup setup{QFile::decodeName(argv[1]),     QFile::decodeName(argv[2]),
                      QFile::decodeName(argv[3]),     std::atoi(argv[4]),
                      QByteArrayView(argv[5]) == "1", QByteArrayView(argv[6]) == "1"};
    QVariantMap report = prepare(setup);
    if (report.isEmpty()) {
        QApplication app(argc, argv);
        report = transfer(setup);
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 3;
    QDataStream stream(&out);
    stream << report;
    return 0;
}
