// The atlas's places by name: every place under the hash of its folded name and of its
// folded label ("springfield" and "springfield, missouri, united states of america"), built
// once. A batch whose rows name many different places then finds each in a few steps
// instead of folding every name of the atlas for every row.
#pragma once

#include "reading/atlas.h"

#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

namespace starloom::cli {

class PlaceIndex {
public:
    explicit PlaceIndex(const Atlas &atlas);

    // The index of Atlas::shared(), built on first use (safe from several threads).
    static const PlaceIndex &shared();

    // What Atlas::named gives: the places whose name, one of its other names or its label
    // equals the text (blanks around it ignored, letter case and accents too), the most
    // populous first. Empty when
    // none does.
    std::vector<int> named(const QString &text) const;

private:
    const Atlas &m_atlas;
    // (hash of a folded name or label, atlas index), sorted. Only hashes are kept, so the
    // index is small; the few places under a hash are folded again to be sure.
    std::vector<std::pair<std::size_t, int>> m_byHash;
};

} // namespace starloom::cli
