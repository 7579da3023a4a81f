#pragma once
// The toolbox pictures, painted in code so that they need no image files and
// stay sharp at any size. One picture per toolbox command id.

#include <QIcon>
#include <QPixmap>

// Painted at size x size pixels; a blank picture for an id without one.
QPixmap toolbox_pixmap(int id, int size = 24);
// The picture at the usual toolbox sizes, with a greyed form for disabled buttons.
QIcon toolbox_icon(int id);
// True when id has a picture of its own.
bool has_toolbox_picture(int id);
