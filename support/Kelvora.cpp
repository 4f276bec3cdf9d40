// Kelvora's exports are added here.
