#include "generator/PageNames.h"

#include <algorithm>
#include <set>

namespace tuk {

QByteArray PageFileName(QByteArrayView image) {
    const qsizetype dot = image.lastIndexOf('.');
    const QByteArrayView base = dot < 0 ? QByteArrayView() : image.first(dot);
    return LowerCased(base) + '_' + LowerCased(image.sliced(dot + 1)) + ".html";
}

bool IsPlainFileName(QByteArrayView name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\0');
}

QByteArrayView PageNameTable::at(qsizetype k) const {
    const auto index = static_cast<size_t>(k);
    const qsizetype end = index + 1 < starts_.size() ? starts_[index + 1] - 1 : names_.size() - 1;
    return QByteArrayView(names_.constData() + starts_[index], end - starts_[index]);
}

void PageNameTable::Append(QByteArrayView name) {
    starts_.push_back(names_.size());
    names_.append(name);
    names_.append('\0');
}

bool PageNameTable::Build(const QList<FsName>& images, QString& badImage) {
    names_.clear();
    starts_.clear();
    starts_.reserve(static_cast<size_t>(images.size()));
    for (const FsName& image : images) {
        if (!IsPlainFileName(image.bytes)) {
            badImage = image.text;
            names_.clear();
            starts_.clear();
            return false;
        }
        Append(PageFileName(image.bytes));
    }
    names_.squeeze();

    // Sorted by name, then by list position: equal names end up side by side.
    std::vector<qsizetype> order(starts_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<qsizetype>(i);
    std::sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        const int c = at(a).compare(at(b));
        return c != 0 ? c < 0 : a < b;
    });
    for (size_t i = 1; i < order.size(); ++i) {
        if (at(order[i]) == at(order[i - 1])) {
            NumberCaseTwins(order);
            break;
        }
    }
    return true;
}

void PageNameTable::NumberCaseTwins(const std::vector<qsizetype>& order) {
    // Whether a name is the page name of some image of the list (a binary search of order).
    const auto isImagePage = [&](QByteArrayView name) {
        const auto found = std::lower_bound(
            order.begin(), order.end(), name,
            [this](qsizetype k, QByteArrayView value) { return at(k).compare(value) < 0; });
        return found != order.end() && at(*found) == name;
    };
    // Later holders of a name, in list order.
    std::vector<qsizetype> later;
    for (size_t i = 1; i < order.size(); ++i) {
        if (at(order[i]) == at(order[i - 1]))
            later.push_back(order[i]);
    }
    std::sort(later.begin(), later.end());

    std::vector<QByteArray> numbered(later.size());
    std::set<QByteArray> claimed;
    for (size_t i = 0; i < later.size(); ++i) {
        const QByteArrayView name = at(later[i]);
        const QByteArrayView stem = name.chopped(5); // without ".html"
        for (int n = 2;; ++n) {
            QByteArray candidate = stem.toByteArray() + '-' + QByteArray::number(n) + ".html";
            if (!isImagePage(candidate) && claimed.insert(candidate).second) {
                numbered[i] = candidate;
                break;
            }
        }
    }

    PageNameTable renamed;
    renamed.starts_.reserve(starts_.size());
    size_t next = 0;
    for (qsizetype k = 0; k < size(); ++k) {
        if (next < later.size() && later[next] == k)
            renamed.Append(numbered[next++]);
        else
            renamed.Append(at(k));
    }
    *this = std::move(renamed);
}

} // namespace tuk
