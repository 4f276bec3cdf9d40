// The error report's composition is added here.
