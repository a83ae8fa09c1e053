// pictures.h: the pictures of the windows' picture buttons, drawn by the program in the
// colours of the window headers, so no image file is needed.
#pragma once

#include <QIcon>

namespace velmora {

enum class Picture { Analyse, Print, Save, Exit, Settings };

inline constexpr int kPictureIconSize = 32;

// The picture at kPictureIconSize x kPictureIconSize; a button scales it as it needs.
QIcon DrawPicture(Picture picture);

}  // namespace velmora
