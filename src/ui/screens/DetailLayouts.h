#pragma once

// The numbers under which the detail grids under the lists store their column
// layouts (their tags). The house and client lists use 0 and 2.
enum TDetailLayout : int {
    dlHouseVisits = 70,
    dlHouseDeals = 71,
    dlHouseChanges = 72,
    dlClientVisits = 73,
    dlClientChanges = 74,
    dlClientMatches = 75, // clients matching a house
    dlHouseMatches = 76,  // houses matching a client
};
