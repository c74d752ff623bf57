#include "platform/UserInteraction.h"

#include "platform/HeadlessUserInteraction.h"

static UserInteraction* g_current = nullptr;

UserInteraction& UserInteraction::Current()
{
    static HeadlessUserInteraction fallback;
    return g_current ? *g_current : fallback;
}

void UserInteraction::Use(UserInteraction* interaction)
{
    g_current = interaction;
}
