#ifndef LINEWRIGHT_GUI_QT_TEXT_H
#define LINEWRIGHT_GUI_QT_TEXT_H

#include <QString>
#include <string>

#include "ui/display_text.h"

// Texts read from the simulator's files and the stages' messages: UTF-8,
// or Windows-1250 where they are not.
inline QString FromFileText(const std::string& bytes) { return QString::fromStdString(DisplayText(bytes)); }

// Paths and file names are in the system's own encoding.
inline QString FromPath(const std::string& path) { return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())); }
inline std::string ToPath(const QString& text) { return text.toLocal8Bit().toStdString(); }

#endif
