// The atlas's places by folded name and label.
#include "cli/place_index.h"

#include <algorithm>

namespace starloom::cli {

PlaceIndex::PlaceIndex(const Atlas &atlas) {
    for (int i = 0; i < atlas.size(); ++i) {
        const AtlasPlace &place = atlas.place(i);
        const QString name = FoldForSearch(place.name);
        m_byName[name].push_back(i);
        // A place without state and country has its name for a label: listed once.
        const QString label = FoldForSearch(place.label());
        if (label != name)
            m_byName[label].push_back(i);
    }
    // The order Atlas::named gives: the most populous first, the atlas's order among
    // places of equal population.
    for (std::vector<int> &places : m_byName) {
        std::sort(places.begin(), places.end(), [&atlas](int a, int b) {
            const quint32 pa = atlas.place(a).population;
            const quint32 pb = atlas.place(b).population;
            return pa != pb ? pa > pb : a < b;
        });
    }
}

const PlaceIndex &PlaceIndex::shared() {
    static const PlaceIndex index(Atlas::shared());
    return index;
}

const std::vector<int> &PlaceIndex::named(const QString &text) const {
    static const std::vector<int> kNone;
    const auto found = m_byName.constFind(FoldForSearch(text.trimmed()));
    return found == m_byName.constEnd() ? kNone : *found;
}

} // namespace starloom::cli
