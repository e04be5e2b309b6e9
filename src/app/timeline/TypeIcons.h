#pragma once

#include <array>

#include <QPixmap>

#include "project/MovieObjectType.h"

// The small pictures of the six object types that lead the timeline rows: a quiet set for
// unselected rows and a full-colour set for selected ones, drawn at one size.
class TypeIcons {
public:
    void Load(int size);
    int size() const { return size_; }
    const QPixmap& Get(MovieObjectType type, bool selected) const;

    // One type's picture in full colour.
    static QPixmap Draw(MovieObjectType type, int size);

private:
    int size_ = 0;
    std::array<QPixmap, kMovieObjectTypeCount> normal_, selected_;
};
