#include "Pictures.h"

#include <stdexcept>

namespace ampero {

const std::vector<Picture>& pictureCatalogue()
{
    static const std::vector<Picture> catalogue = [] {
        std::vector<Picture> all;
        for (auto&& group :
             {levelPictures(), componentPictures(), networkPictures(), transformPictures(),
              padPictures(), matchingPictures(), windowPictures(), vswrPictures(), iconPictures()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return catalogue;
}

const Picture& picture(const QString& name)
{
    for (const Picture& p : pictureCatalogue())
        if (p.name == name)
            return p;
    throw std::invalid_argument("no picture " + name.toStdString());
}

} // namespace ampero
