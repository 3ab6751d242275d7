// The words of the four choice lists, in list order, exactly as every front end offers
// them. Each list ends with "Random". The factions are the six Houses, then the four Clans;
// the first four weights are also the weight headings of the table file.
#ifndef MUSTERWRIGHT_GENERATOR_CHOICE_LISTS_H
#define MUSTERWRIGHT_GENERATOR_CHOICE_LISTS_H

inline constexpr const char* kFactionChoices[] = {
    "Kurita",      "Liao", "Marik",      "Davion",       "Steiner", "ComStar",
    "Jade Falcon", "Wolf", "Ghost Bear", "Smoke Jaguar", "Random",
};

inline constexpr const char* kSizeChoices[] = {
    "Lance",  "Company", "Batallion", "Regement", "Star",
    "Binary", "Trinary", "Cluster",   "Galaxy",   "Random",
};

inline constexpr const char* kWeightChoices[] = {"Light", "Medium", "Heavy", "Assault", "Random"};

inline constexpr const char* kExperienceChoices[] = {"Green", "Regular", "Veteran", "Elite",
                                                     "Random"};

#endif
