#include "server/storage/Outbox.h"

#include "server/storage/RowReading.h"

ErrorCode AddOutboxItem(SqlTransaction& db, const OutboxItem& item)
{
    return db.Execute("INSERT INTO outbox (kind, user_id, blog_id, category_id, entry_id, recipients, message, remote_blog, title,"
                      " caption, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        { item.kind, Number(item.userId), Number(item.blogId), Number(item.categoryId), Number(item.entryId), item.recipients,
            item.message, item.remoteBlog, item.title, item.caption, Number(item.created) });
}

ErrorOr<std::vector<OutboxItem>> ListOutbox(SqlTransaction& db)
{
    return AllRecords<OutboxItem>(db.Query("SELECT id, kind, user_id, blog_id, category_id, entry_id, recipients, message, remote_blog,"
                                           " title, caption, created FROM outbox ORDER BY id"),
        [](const SqlRow& row) {
            OutboxItem item;
            item.id = Id(row, 0);
            item.kind = row.Text(1);
            item.userId = Id(row, 2);
            item.blogId = Id(row, 3);
            item.categoryId = Id(row, 4);
            item.entryId = Id(row, 5);
            item.recipients = row.Text(6);
            item.message = row.Text(7);
            item.remoteBlog = row.Text(8);
            item.title = row.Text(9);
            item.caption = row.Text(10);
            item.created = row.Int(11);
            return item;
        });
}
