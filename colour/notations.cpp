#include "colour/notations.h"

namespace colour {

std::string notationNames(std::string_view separator)
{
    std::string names;
    for (const NotationForm& form : kNotations)
        names.append(names.empty() ? "" : separator).append(form.name);
    return names;
}

Notations notationsOf(ColourNumber c, int alpha)
{
    Notations texts;
    for (const NotationForm& form : kNotations) {
        char buffer[kMaxNotationLength];
        texts[indexOf(form.notation)] = std::string(buffer, form.write(buffer, c, alpha));
    }
    return texts;
}

} // namespace colour
