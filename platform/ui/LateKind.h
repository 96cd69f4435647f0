// Template kinds of controls that came after the first template format: a
// control class names its kind here, and it is used (as the kind of code-made
// controls and as the maker of template entries) once ui::Kind has it.
#pragma once

#include <memory>

#include "platform/ui/Control.h"

// Defines `<Class>TemplateKind(fallback)` and registers `Class` as the maker
// of Kind::NAME when that kind exists.
#define UI_LATE_TEMPLATE_KIND(NAME, Class)                                              \
    namespace {                                                                         \
    template <class K>                                                                  \
    constexpr K Class##TemplateKind(K fallback) {                                       \
        if constexpr (requires { K::NAME; }) return K::NAME;                            \
        else return fallback;                                                           \
    }                                                                                   \
    template <class K>                                                                  \
    bool Register##Class##Kind() {                                                      \
        if constexpr (requires { K::NAME; })                                            \
            ::ui::RegisterControlKind(K::NAME, [] { return std::make_unique<Class>(); }); \
        return true;                                                                    \
    }                                                                                   \
    const bool registered##Class = Register##Class##Kind<::ui::Kind>();                 \
    }
