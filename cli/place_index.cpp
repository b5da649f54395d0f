// The atlas's places by the hashes of their folded names and labels.
#include "cli/place_index.h"

#include <QHashFunctions>

#include <algorithm>

namespace starloom::cli {

PlaceIndex::PlaceIndex(const Atlas &atlas) : m_atlas(atlas) {
    m_byHash.reserve(2 * static_cast<std::size_t>(atlas.size()) + 64);
    for (int i = 0; i < atlas.size(); ++i) {
        const AtlasPlace &place = atlas.place(i);
        const QString name = FoldForSearch(place.name);
        m_byHash.emplace_back(qHash(name), i);
        // A place without state and country has its name for a label: listed once.
        const QString label = FoldForSearch(place.label());
        if (label != name)
            m_byHash.emplace_back(qHash(label), i);
        // The zone city's name where the list calls it otherwise, and former names.
        for (const QString &other : place.otherNames)
            m_byHash.emplace_back(qHash(FoldForSearch(other)), i);
    }
    std::sort(m_byHash.begin(), m_byHash.end());
}

const PlaceIndex &PlaceIndex::shared() {
    static const PlaceIndex index(Atlas::shared());
    return index;
}

std::vector<int> PlaceIndex::named(const QString &text) const {
    const QString key = FoldForSearch(text.trimmed());
    const std::size_t hash = qHash(key);
    const auto first = std::lower_bound(m_byHash.begin(), m_byHash.end(), std::make_pair(hash, 0));
    std::vector<int> found;
    for (auto it = first; it != m_byHash.end() && it->first == hash; ++it) {
        const AtlasPlace &place = m_atlas.place(it->second);
        const bool same =
            FoldForSearch(place.name) == key || FoldForSearch(place.label()) == key ||
            std::any_of(place.otherNames.begin(), place.otherNames.end(),
                        [&key](const QString &other) { return FoldForSearch(other) == key; });
        if (same && std::find(found.begin(), found.end(), it->second) == found.end())
            found.push_back(it->second);
    }
    // The order Atlas::named gives: the most populous first, the atlas's order among
    // places of equal population.
    std::sort(found.begin(), found.end(), [this](int a, int b) {
        const quint32 pa = m_atlas.place(a).population;
        const quint32 pb = m_atlas.place(b).population;
        return pa != pb ? pa > pb : a < b;
    });
    return found;
}

} // namespace starloom::cli
