#pragma once

// Change stamps: what they promise, and how each engine keeps the promise.
//
// Every record carries the stamp of the request that last changed it, and a
// changes request ("GC") answers every record whose stamp is at or after the
// stamp the device sends back, together with the stamp to send next time.
// Stamps are seconds on the service's clock (devices keep them as times), so
// many changes share one; the feed sends the second of the stamp again,
// which the devices' merge takes as a repeat.
//
// The promise that makes the feed lose nothing, whichever process a device
// syncs through: a feed read that hands out stamp T sees every change whose
// stamp is below T. Any change it does not see, because that change commits
// later, has a stamp at or above T. Stamps also never fall below one handed
// out before, so a clock that steps back, or a process whose clock is behind
// another's, cannot hide a change either.
//
// SQLite keeps the promise by running one writer at a time: feed reads and
// changes alike read and raise the last stamp (the "last_stamp" meta value)
// while they hold the write lock (SqliteDatabase.cpp, ServiceMeta.h).
//
// PostgreSQL lets writers run side by side. Two things make that safe
// (the functions are in PostgresSchema.cpp):
// - A floor: a sequence that only rises, raised by every feed read to its
//   own clock before anything else. Sequences are outside transactions, so
//   a raise is seen at once by every connection.
// - A lock per stamp: a writer takes a shared advisory lock keyed by a lower
//   bound of its stamp (its clock or the floor, whichever is higher) and
//   holds it until it has committed; its stamp is that bound or the floor
//   read after the lock, whichever is higher.
// A feed read raises the floor to F, then reads the lock table, then takes
// its snapshot, and hands out T = the smallest stamp still locked, or F.
// A writer it does not see either held its lock when the table was read
// (PostgreSQL releases locks only after the commit is visible), so its
// stamp is at or above the lock's key and so at or above T; or it took its
// lock later, and then read a floor of at least F. Either way its stamp is
// at or above T, and no writer waits for another or for a feed read.
