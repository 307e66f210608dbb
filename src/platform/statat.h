#pragma once

struct stat;
struct statx;

// Metadata look-ups that never mount anything. An automount point is examined as it stands, so
// listing a folder that holds one does not wait for its server (or mount it at all); a mount
// point already mounted is examined as usual. Same arguments and results as fstatat and statx.
int statAt(int dirFd, const char *path, struct stat *status, int flags);
int statxAt(int dirFd, const char *path, int flags, unsigned mask, struct statx *status);
