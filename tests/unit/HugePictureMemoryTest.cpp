// Files whose headers claim enormous pictures are refused before the pixels
// are allocated: the program's peak memory while refusing one stays close to
// its peak while opening a tiny picture, even with Qt's own allocation limit
// switched off.
#include "FilesTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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

// Runs the program on a script that opens the file; returns its peak
// resident memory in KiB, or -1 when it did not end normally.
long peakKiBOpening(const FilesFolder& f, const QString& name) {
    f.write("script", ("file " + f.path(name) + "\nmenu open1\n").toUtf8());
    const QByteArray exe = TAVIMBRE_EXE, script = f.path("script").toUtf8();
    std::vector<QByteArray> env{"QT_IMAGEIO_MAXALLOC=0", "QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("QT_IMAGEIO_MAXALLOC=") && !QByteArray(*e).startsWith("QT_QPA_PLATFORM="))
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (QByteArray& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(exe.constData()), const_cast<char*>("--script"),
                    const_cast<char*>(script.constData()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.constData(), &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;
}

}  // namespace

TEST(HugePictures, AreRefusedWithoutTheirMemoryEvenWithQtsLimitOff) {
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"wide.bmp", bitmapHeader(20000, 10000)},
        {"tall-top-down.bmp", bitmapHeader(10000, -20000)},
        {"huge.bmp", bitmapHeader(60000, 60000)},
        {"screen.gif", gif(60000, 60000, 60000, 60000)},
        {"frame.gif", gif(2, 2, 60000, 60000)},
        {"huge.jpg", jpeg(65535, 65535)},
        {"wide.jpg", jpeg(30000, 4000)},
    };
    FilesFolder f;
    const long tiny = peakKiBOpening(f, "old.bmp");
    ASSERT_GT(tiny, 0);
    for (const auto& c : cases) {
        f.write(c.name, c.bytes);
        const long peak = peakKiBOpening(f, c.name);
        ASSERT_GT(peak, 0) << c.name;
        // The smallest of these pictures would take 400 MB as 32-bit pixels.
        EXPECT_LT(peak - tiny, 32 * 1024) << c.name << ": peak " << peak << " KiB against " << tiny << " KiB";
    }
}
