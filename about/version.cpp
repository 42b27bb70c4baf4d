#include "about/version.h"

namespace about {

Version programVersion() {
    return {TARABEL_VERSION_MAJOR, TARABEL_VERSION_MINOR, TARABEL_VERSION_PATCH};
}

} // namespace about
