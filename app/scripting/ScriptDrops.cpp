// Drops on the window from a script, through the window's own drag and drop
// events, and the picture data that a paste or a drop is offered.
#include "ScriptRunner.h"

#include "app/window/frmmain.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <memory>

QMimeData* pictureDataFrom(const QString& path) {
    QFile file(path);
    const QByteArray format = QImageReader::imageFormat(path);
    QByteArray type;
    for (const QByteArray& t : QImageReader::supportedMimeTypes())
        if (type.isEmpty() && !format.isEmpty() && QImageReader::imageFormatsForMimeType(t).contains(format)) type = t;
    if (type.isEmpty() || !file.open(QIODevice::ReadOnly)) return nullptr;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(type), file.readAll());
    return data;
}

bool ScriptRunner::drop(const QString& rest) {
    const bool bytes = rest.startsWith(QLatin1String("data "));
    const QString path = bytes ? rest.mid(5) : rest;
    std::unique_ptr<QMimeData> data(bytes ? pictureDataFrom(path) : new QMimeData);
    if (!data) {
        error_ = QStringLiteral("cannot read %1 as picture data").arg(path);
        return false;
    }
    if (!bytes) data->setUrls({QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())});
    const QPoint at = w_.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w_, &enter);
    if (!enter.isAccepted()) {
        error_ = QStringLiteral("the window turns down the drop of %1").arg(path);
        return false;
    }
    QDropEvent dropped(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w_, &dropped);
    return true;
}
