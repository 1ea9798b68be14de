#pragma once
// Configuration files (the registry file, a device's .cfg, the recent devices) are read only
// when they are regular files, and written only where no symbolic link stands: a FIFO put in
// their place must not hang start-up in open(), and a link must not have its target
// overwritten.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// Far more than any configuration file holds; a larger file is refused rather than read.
inline constexpr qint64 kMaxConfigFileSize = 4 * 1024 * 1024;

// The contents of fileName when it is a regular file (a link to one is followed for reading),
// opened without blocking. std::nullopt when it is missing (then *missing is set), not a
// regular file (a FIFO, a device, a folder), unreadable, or larger than kMaxConfigFileSize.
std::optional<QByteArray> ReadRegularFile(const QString& fileName, bool* missing = nullptr);

// Whether fileName may be written in place: it is missing, or a regular file that is not a
// symbolic link.
bool WritableInPlace(const QString& fileName);

} // namespace platform
