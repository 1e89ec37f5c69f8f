#pragma once

#include <QImage>
#include <QString>

#include <map>
#include <string>

namespace picture {

using NamedPictures = std::map<std::string, QImage, std::less<>>;

// The walk-through's first archive: the figure's eight directions of ten frames (72 x 168), the
// click marker's six circles, the magnifier, the position dot, the exit door and the lit door.
NamedPictures drawWalkFigureArchive();
// The second archive: the floor, the walls, the doors, the statues, the signs, the corner panel,
// the speech bubble and the dark band beyond the top wall.
NamedPictures drawWalkBuildingArchive();

} // namespace picture
