// "AC", "EC" and "DC": the owner's categories of a blog.

#include "server/actions/Actions.h"

#include "server/soap/ServiceErrorText.h"
#include "server/storage/Categories.h"

namespace {

ActionOutcome AnswerCategory(ActionContext& context, std::uint32_t id)
{
    ResponseWriter writer(context.request.action, context.host);
    writer.Number("CI", id);
    return Answer(writer);
}

ErrorOr<ActionOutcome> AddCategory(ActionContext& context, const StoreCategoryRequest& request)
{
    if (!context.access.owner)
        return Refuse(context, ServiceErrorText::NoAddCategory);
    // A name the blog has already: the device sends a category again when
    // the answer to its first try was lost, so it gets the same one back.
    auto existing = FindCategoryByName(context.db, context.Blog().id, request.name);
    if (existing.IsError())
        return existing.GetError();
    if (*existing)
        return AnswerCategory(context, (*existing)->id);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    auto created = CreateCategory(context.db, context.Blog().id, request.name, *stamp);
    if (created.IsError())
        return created.GetError();
    return AnswerCategory(context, created->id);
}

ErrorOr<ActionOutcome> RenameCategory(ActionContext& context, std::uint32_t id, const std::string& name)
{
    if (!context.access.owner)
        return Refuse(context, ServiceErrorText::NoEditCategory);
    auto category = FindCategory(context.db, context.Blog().id, id);
    if (category.IsError())
        return category.GetError();
    if (!*category || (*category)->deleted)
        return Refuse(context, ServiceErrorText::CategoryMissing);
    auto clash = FindCategoryByName(context.db, context.Blog().id, name);
    if (clash.IsError())
        return clash.GetError();
    if (*clash && (*clash)->id != id)
        return Refuse(context, ServiceErrorText::CategoryAlreadyUsed);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = ::RenameCategory(context.db, id, name, *stamp); code != Error::Success)
        return code;
    return AnswerCategory(context, id);
}

}

ErrorOr<ActionOutcome> StoreCategory(ActionContext& context, const StoreCategoryRequest& request)
{
    if (request.id)
        return RenameCategory(context, *request.id, request.name);
    return AddCategory(context, request);
}

// Entries of a deleted category become unfiled. A category that is gone
// already (or never was) counts as deleted: a device retries a deletion
// until it hears success.
ErrorOr<ActionOutcome> DeleteCategory(ActionContext& context, const DeleteCategoryRequest& request)
{
    if (!context.access.owner)
        return Refuse(context, ServiceErrorText::NoDeleteCategory);
    auto category = FindCategory(context.db, context.Blog().id, request.id);
    if (category.IsError())
        return category.GetError();
    if (!*category || (*category)->deleted) {
        context.note = "already gone";
        return Done(context);
    }
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = ::DeleteCategory(context.db, request.id, *stamp); code != Error::Success)
        return code;
    return Done(context);
}
