// Files whose headers claim enormous pictures are refused before the pixels
// are allocated: the program's peak memory while refusing one stays close to
// its peak while opening a tiny picture, even with Qt's own allocation limit
// switched off. A picture at the cap opens at about the cost of its canvas.
#include "FilesTestSupport.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QtEndian>
#include <vector>

extern char** environ;

namespace {

QByteArray bitmapHeader(qint32 width, qint32 height) {
    QByteArray h(54, '\0');
    h[0] = 'B', h[1] = 'M';
    qToLittleEndian(quint32(54), h.data() + 10);
    qToLittleEndian(quint32(40), h.data() + 14);
    qToLittleEndian(width, h.data() + 18);
    qToLittleEndian(height, h.data() + 22);
    qToLittleEndian(quint16(1), h.data() + 26);
    qToLittleEndian(quint16(24), h.data() + 28);
    return h;
}

QByteArray gif(quint16 screenW, quint16 screenH, quint16 frameW, quint16 frameH) {
    QByteArray g("GIF89a");
    auto put16 = [&](quint16 v) { g.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(screenW), put16(screenH), g.append(QByteArray(3, '\0'));
    g.append(',');
    put16(0), put16(0), put16(frameW), put16(frameH), g.append('\0');
    return g.append("\x08\x02\x80\x01\x00;", 6);
}

// A good JPEG with the sizes in its frame header replaced.
QByteArray jpeg(quint16 width, quint16 height) {
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPEG");
    const int sof = bytes.indexOf("\xFF\xC0");
    qToBigEndian(height, bytes.data() + sof + 5);
    qToBigEndian(width, bytes.data() + sof + 7);
    return bytes;
}

struct Outcome {
    long peakKiB = -1;  // -1 when the program did not end normally
    QString filePath;   // the picture's file after the open
    QStringList messages;
};

// Runs the program on a script that opens the file, within an address space
// of that many bytes when given.
Outcome runOpening(const FilesFolder& f, const QString& name, rlim_t addressSpace = RLIM_INFINITY) {
    f.write("script", ("file " + f.path(name) + "\nmenu open1\ndump\n").toUtf8());
    const QByteArray exe = TAVIMBRE_EXE, script = f.path("script").toUtf8(), out = f.path("out").toUtf8();
    std::vector<QByteArray> env{"QT_IMAGEIO_MAXALLOC=0", "QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("QT_IMAGEIO_MAXALLOC=") && !QByteArray(*e).startsWith("QT_QPA_PLATFORM="))
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (QByteArray& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(exe.constData()), const_cast<char*>("--script"),
                    const_cast<char*>(script.constData()), nullptr};
    const rlimit limit{addressSpace, addressSpace};
    const pid_t pid = fork();
    if (pid == 0) {  // only async-signal-safe calls until the program starts
        const int stdOut = open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int quiet = open("/dev/null", O_WRONLY);
        if (stdOut >= 0 && quiet >= 0 && dup2(stdOut, 1) >= 0 && dup2(quiet, 2) >= 0 && setrlimit(RLIMIT_AS, &limit) == 0)
            execve(exe.constData(), argv, envp.data());
        _exit(127);
    }
    Outcome run;
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return run;
    run.peakKiB = usage.ru_maxrss;
    for (const QString& line : QString::fromUtf8(f.read("out")).split('\n')) {
        if (line.startsWith(QLatin1String("message "))) run.messages << line;
        if (line.startsWith(QLatin1String("filePath="))) run.filePath = line.mid(9);
    }
    return run;
}

}  // namespace

TEST(HugePictures, AreRefusedOrOpenWithinBoundedMemoryEvenWithQtsLimitOff) {
    constexpr long kCanvasAtCapKiB = 10'000L * 10'000 * 4 / 1024;  // 32-bit pixels
    enum Result { Refused, Opens };
    const struct {
        const char* name;
        QByteArray bytes;
        Result result;
        long extraKiB;  // peak allowed above the tiny picture's
        rlim_t addressSpace = RLIM_INFINITY;
    } cases[] = {
        // The smallest of these pictures would take 400 MB as 32-bit pixels.
        {"wide.bmp", bitmapHeader(20000, 10000), Refused, 32 * 1024},
        {"tall-top-down.bmp", bitmapHeader(10000, -20000), Refused, 32 * 1024},
        {"huge.bmp", bitmapHeader(60000, 60000), Refused, 32 * 1024},
        {"screen.gif", gif(60000, 60000, 60000, 60000), Refused, 32 * 1024},
        {"frame.gif", gif(2, 2, 60000, 60000), Opens, 32 * 1024},
        {"huge.jpg", jpeg(65535, 65535), Refused, 32 * 1024},
        {"wide.jpg", jpeg(30000, 4000), Refused, 32 * 1024},
        // Long and thin: the canvas takes exactly their size (40 MB), up to
        // the cap and not past it; the undo history keeps them packed.
        {"wide-1m.bmp", monoBitmap(1'000'000, 10), Opens, (32 + 80) * 1024},
        {"wide-10m.bmp", monoBitmap(10'000'000, 10), Opens, kCanvasAtCapKiB * 3 / 2},
        {"tall-10m.bmp", monoBitmap(10, 10'000'000), Opens, kCanvasAtCapKiB * 3 / 2},
        {"wide-past-cap.bmp", monoBitmap(10'000'001, 10), Refused, 32 * 1024},
        // At the cap: its canvas, and its undo step packed small.
        {"cap.bmp", monoBitmap(10'000, 10'000), Opens, kCanvasAtCapKiB * 3 / 2},
        // No room for its canvas: refused, not opened onto an empty one.
        {"cap.bmp", monoBitmap(10'000, 10'000), Refused, (32 + 12) * 1024, rlim_t(380) << 20},
    };
    FilesFolder f;
    const long tiny = runOpening(f, "old.bmp").peakKiB;
    ASSERT_GT(tiny, 0);
    for (const auto& c : cases) {
#ifdef __SANITIZE_ADDRESS__
        if (c.addressSpace != RLIM_INFINITY) continue;  // the sanitizer needs terabytes of address space
#endif
        SCOPED_TRACE(c.name);
        f.write(c.name, c.bytes);
        const Outcome run = runOpening(f, c.name, c.addressSpace);
        ASSERT_GT(run.peakKiB, 0);
        EXPECT_LT(run.peakKiB - tiny, c.extraKiB) << "peak " << run.peakKiB << " KiB against " << tiny << " KiB";
        if (c.result == Opens) {
            EXPECT_EQ(run.filePath, f.path(c.name));
            EXPECT_EQ(run.messages, QStringList());
        } else {
            EXPECT_EQ(run.filePath, "");
            ASSERT_EQ(run.messages.size(), 1);
            EXPECT_TRUE(run.messages[0].startsWith(
                QStringLiteral("message Tavimbre|The file \"%1\" could not be opened: ").arg(f.path(c.name))))
                << qPrintable(run.messages[0]);
        }
    }
}
