// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

#include <QIcon>
#include <QImage>

namespace runtime::qt {

// A picture that could not be decoded: its reader is missing or the file is damaged. The text is Spanish.
class PictureLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes a picture with Qt's own readers; throws PictureLoadError rather than return an empty image.
QImage loadPicture(const std::string& path);

// The picture for the screens the application has: on a screen of more than one device pixel per pixel, its
// double-resolution rendering beside it ("ball@2x.bmp" for "ball.bmp"), where there is one, else the picture.
QImage loadPictureForScreens(const std::string& path);

// Every image of an icon file, each at its own size.
QIcon loadIcon(const std::string& path);

} // namespace runtime::qt
