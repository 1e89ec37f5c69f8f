// The one error the map maker reports: a source file that is missing or does not make sense.
#pragma once

#include <QString>

#include <stdexcept>

struct SourceError : std::runtime_error {
    SourceError(const QString& file, const QString& message)
        : std::runtime_error((file + ": " + message).toStdString()) {}
};
