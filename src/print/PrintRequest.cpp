#include "print/PrintRequest.h"

#include "app/AppContext.h"

namespace zovi {

namespace {

std::optional<QString> chooseFile(const AppContext& ctx, int titleId, int extensionId, int filterId) {
    FileDialogRequest request;
    request.title = ctx.msg(titleId);
    request.defaultExtension = ctx.msg(extensionId);
    request.filter = ctx.msg(filterId);
    request.mustExist = true;
    return ctx.op.openFile(request);
}

} // namespace

PrintSelectEnabling printSelectEnabling(const PrintRequest& request) {
    PrintSelectEnabling enabling;
    enabling.positionOptions = request.positions;
    enabling.positionFile = request.positions && request.positionsFromFile();
    enabling.parameterOptions = request.parameters;
    enabling.parameterFile = request.parameters && request.parametersFromFile();
    const bool positionsReady =
        request.positions && (!request.positionsFromFile() || !request.positionFile.isEmpty());
    const bool parametersReady =
        request.parameters && (!request.parametersFromFile() || !request.parameterFile.isEmpty());
    enabling.ok = positionsReady || parametersReady;
    return enabling;
}

bool acceptPrintRequest(const AppContext& ctx, const PrintRequest& request) {
    if (request.positions && request.positionsFromFile() && request.positionFile.isEmpty()) {
        ctx.op.message(ctx.msg(561));
        return false;
    }
    if (request.parameters && request.parametersFromFile() && request.parameterFile.isEmpty()) {
        ctx.op.message(ctx.msg(562));
        return false;
    }
    return request.positions || request.parameters;
}

std::optional<QString> choosePositionFileToPrint(const AppContext& ctx) {
    return chooseFile(ctx, 564, 404, 405);
}

std::optional<QString> chooseParameterFileToPrint(const AppContext& ctx) {
    return chooseFile(ctx, 563, 422, 423);
}

} // namespace zovi
