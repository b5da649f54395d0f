// The atlas's places by name: every place under its folded name and its folded label
// ("springfield" and "springfield, missouri, united states of america"), built once. A batch
// whose rows name many different places then finds each in one look-up instead of folding
// every name of the atlas for every row.
#pragma once

#include "reading/atlas.h"

#include <QHash>
#include <QString>

#include <vector>

namespace starloom::cli {

class PlaceIndex {
public:
    explicit PlaceIndex(const Atlas &atlas);

    // The index of Atlas::shared(), built on first use (safe from several threads).
    static const PlaceIndex &shared();

    // What Atlas::named gives: the places whose name or label equals the text (blanks
    // around it ignored, letter case and accents too), the most populous first. Empty when
    // none does.
    const std::vector<int> &named(const QString &text) const;

private:
    QHash<QString, std::vector<int>> m_byName; // folded name or label: atlas indexes
};

} // namespace starloom::cli
