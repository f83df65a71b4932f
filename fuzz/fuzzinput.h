#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as a file of the data folder.
class FuzzFile
{
public:
    FuzzFile(const uint8_t *data, size_t size)
    {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }

    static QString path()
    {
        static QTemporaryDir folder;
        return folder.filePath(QStringLiteral("input.dat"));
    }
};
