// The parts of velmora-typ-render, the drawing program that "velmora-typ render" and
// "velmora-typ render-map" start.
#pragma once

#include "model/maintyp.h"

#include <QGuiApplication>
#include <QImage>

#include <memory>
#include <span>
#include <string>

namespace velmora::cli {

// The application that fonts need, on the offscreen platform unless one is named: a batch run never
// needs a display. None when one runs already.
std::unique_ptr<QGuiApplication> StartGui();

// Writes the picture in the format ("BMP", "PNG") through a temporary file, so that a failed write
// leaves no file behind.
bool SavePicture(const QImage& picture, const std::string& path, const char* format, int quality = -1);

// Reads the style to draw with; a number that does not convert is reported naming the file.
bool LoadStyle(const std::string& path, TypDocument& doc);

// "velmora-typ-render render-map ...": the arguments after the word, as render-map takes them.
int RenderMapProgram(std::span<const std::string> args);

} // namespace velmora::cli
