#include "browse/picture_load_error.h"

#include "formats/picture_errors.h"

QString LoadFailureName(LoadFailure kind)
{
    switch (kind) {
    case LoadFailure::InvalidGraphic:
        return QStringLiteral("Invalid Graphic");
    case LoadFailure::Win32Error:
        return QStringLiteral("EWin32Error");
    case LoadFailure::OpenError:
        return QStringLiteral("Open error");
    case LoadFailure::AccessViolation:
        return QStringLiteral("Access Violation");
    case LoadFailure::Other:
        break;
    }
    return QStringLiteral("Other Error");
}

LoadError LoadErrorOf(std::exception_ptr error)
{
    LoadError e;
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const EInvalidGraphic& x) {
        e = {LoadFailure::InvalidGraphic, QString::fromStdString(x.what())};
    } catch (const EWin32Error& x) {
        e = {LoadFailure::Win32Error, QString::fromStdString(x.what())};
    } catch (const EFOpenError& x) {
        e = {LoadFailure::OpenError, QString::fromStdString(x.what())};
    } catch (const EAccessViolation& x) {
        e = {LoadFailure::AccessViolation, QString::fromStdString(x.what())};
    } catch (const std::exception& x) {
        e = {LoadFailure::Other, QString::fromStdString(x.what())};
    } catch (...) {
        e = {LoadFailure::Other, QString()};
    }
    return e;
}
