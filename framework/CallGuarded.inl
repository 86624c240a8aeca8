#include "Exception.h"

#include <cstdlib>

template <typename Body>
bool CallGuarded(Body body)
{
    try {
        body();
        return true;
    } catch (const CException& error) {
        error.ReportError(MB_ICONSTOP);
        return false;
    } catch (...) {
        std::abort();
    }
}
