// The parts of velmora-typ-render, the drawing program that "velmora-typ render" and
// "velmora-typ render-map" start.
#pragma once

#include <QGuiApplication>

#include <memory>
#include <span>
#include <string>

namespace velmora::cli {

// The application that fonts need, on the offscreen platform unless one is named: a batch run never
// needs a display. None when one runs already.
std::unique_ptr<QGuiApplication> StartGui();

// "velmora-typ-render render-map ...": the arguments after the word, as render-map takes them.
int RenderMapProgram(std::span<const std::string> args);

} // namespace velmora::cli
